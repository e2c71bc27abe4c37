// Writes the main window's own icon, the 32 x 32 pixel art, as the desktop
// icon of that size; the other sizes are drawn from the scalable icon.
// Usage: nonagra_icon <output directory> <icon name>
#include "qt/IconImage.h"
#include "ui/MainWindowIcon.h"

#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output directory> <icon name>\n", argv[0]);
        return 2;
    }
    const QImage icon = nonagra::qt::iconImage(nonagra::ui::mainWindowIcon())
                            .convertToFormat(QImage::Format_ARGB32);
    const QString dir = QString("%1/%2x%3/apps").arg(argv[1]).arg(icon.width()).arg(icon.height());
    QDir().mkpath(dir);
    if (!icon.save(QString("%1/%2.png").arg(dir, argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(dir));
        return 1;
    }
    return 0;
}
