#include "contact_sheet.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>
#include <vector>

namespace {

constexpr int kZoom = 4;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 18;
constexpr int kSheetWidth = 1720;
constexpr char kLabelFontFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct Tile {
    QString label;
    QImage image;  // already enlarged
    QPoint position;
};

bool readTiles(const QString& path, const QString& name, std::vector<Tile>& tiles) {
    QImageReader reader(path);
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToNextImage()) return false;
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(path),
                         qPrintable(reader.errorString()));
            return false;
        }
        const QString label =
            count > 1
                ? QStringLiteral("%1 (%2 x %3)").arg(name).arg(image.width()).arg(image.height())
                : name;
        tiles.push_back(
            {label,
             image.scaled(image.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation),
             {}});
    }
    return true;
}

int tileWidth(const Tile& tile, const QFontMetrics& metrics) {
    return std::max(tile.image.width(), metrics.horizontalAdvance(tile.label));
}

// Places the tiles left to right, starting a new row when one is full; returns the height.
int layOut(std::vector<Tile>& tiles, const QFontMetrics& metrics) {
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    for (Tile& tile : tiles) {
        const int width = tileWidth(tile, metrics);
        if (x > kMargin && x + width > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        tile.position = QPoint(x, y);
        x += width + kMargin;
        rowHeight = std::max(rowHeight, tile.image.height() + kLabelHeight);
    }
    return y + rowHeight + kMargin;
}

// A chequered backdrop makes transparent pixels of the cursor and icon visible.
void paintBackdrop(QPainter& painter, const QRect& area) {
    constexpr int kSquare = 8;
    painter.fillRect(area, QColor(200, 200, 200));
    for (int y = area.top(); y < area.bottom(); y += kSquare) {
        for (int x = area.left(); x < area.right(); x += kSquare) {
            if ((x / kSquare + y / kSquare) % 2 == 0) continue;
            painter.fillRect(QRect(x, y, kSquare, kSquare).intersected(area),
                             QColor(232, 232, 232));
        }
    }
}

QFont labelFont() {
    const int id = QFontDatabase::addApplicationFont(kLabelFontFile);
    QFont font(id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : QString());
    font.setPixelSize(12);
    return font;
}

}  // namespace

bool writeContactSheet(const QString& assetsDir, const QStringList& fileNames,
                       const QString& pngPath) {
    std::vector<Tile> tiles;
    for (const QString& name : fileNames) {
        if (!readTiles(QDir(assetsDir).filePath(name), name, tiles)) return false;
    }
    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    QImage sheet(kSheetWidth, layOut(tiles, metrics), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const Tile& tile : tiles) {
        const QRect area(tile.position, tile.image.size());
        paintBackdrop(painter, area);
        painter.drawImage(area.topLeft(), tile.image);
        painter.drawText(tile.position + QPoint(0, tile.image.height() + kLabelHeight - 4),
                         tile.label);
    }
    painter.end();
    return sheet.save(pngPath, "PNG");
}
