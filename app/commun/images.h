#pragma once

#include <QImage>

// The program's pictures, decoded when the program is built. Each image reads
// straight from the program's own memory.
QImage image_icone();
QImage image_bande();
QImage image_embleme();
