// Replays a fuzz target's inputs without libFuzzer: each file named, or each
// file of each folder named, once. What the fuzzer once found stays found.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

namespace {

void rejouer(const std::filesystem::path& fichier)
{
    std::ifstream f(fichier, std::ios::binary);
    std::vector<char> octets{std::istreambuf_iterator<char>(f), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
}

}  // namespace

int main(int argc, char* argv[])
{
    int rejoues = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path chemin(argv[i]);
        if (std::filesystem::is_directory(chemin)) {
            for (const auto& entree : std::filesystem::directory_iterator(chemin))
                if (entree.is_regular_file())
                    rejouer(entree.path()), ++rejoues;
        } else {
            rejouer(chemin), ++rejoues;
        }
    }
    std::printf("%d entrées rejouées\n", rejoues);
    return rejoues > 0 ? 0 : 1;
}
