#pragma once

class QStyle;

// Fusion, as the program draws it: the window's colours are palette colours,
// which Fusion honours on every desktop.
QStyle* creer_style();
