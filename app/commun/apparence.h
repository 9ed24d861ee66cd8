#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include <initializer_list>

// The colours of the program's windows.
namespace couleurs {
inline const QColor jaune_clair(255, 255, 192);  // windows and frames
inline const QColor cyan_clair(192, 255, 255);   // boxes and ordinary cells
inline const QColor cyan(128, 255, 255);         // the grid's headings
inline const QColor rouge(255, 0, 0);            // results, and the months-only warning
}  // namespace couleurs

inline void colorer(QWidget* w, std::initializer_list<QPalette::ColorRole> roles, const QColor& couleur)
{
    QPalette p = w->palette();
    for (QPalette::ColorRole role : roles)
        p.setColor(role, couleur);
    w->setPalette(p);
}

inline QFont police(const QString& famille, double points, bool gras = false)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}
