#pragma once

#include <QRect>

// The layout is drawn in twips; the screen counts 15 twips to the pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

inline QRect rect_twips(int gauche, int haut, int largeur, int hauteur)
{
    return {px(gauche), px(haut), px(largeur), px(hauteur)};
}
