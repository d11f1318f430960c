#include "remote/BrowserIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace vesk {
namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor folderEdge(176, 128, 32);
const QColor folderBack(236, 188, 72);
const QColor folderFront(252, 214, 110);
const QColor paperEdge(110, 116, 128);
const QColor paper(252, 252, 252);
const QColor bookEdge(40, 70, 130);

QPixmap Render(const Drawing& draw, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    return pixmap;
}

void AddSizes(QIcon& icon, const Drawing& draw, QIcon::Mode mode) {
    for (const int size : {16, 24, 32, 48}) {
        icon.addPixmap(Render(draw, size), mode);
    }
}

QIcon Icon(const Drawing& draw) {
    QIcon icon;
    AddSizes(icon, draw, QIcon::Normal);
    return icon;
}

void DrawFolderBack(QPainter& painter) {
    painter.setPen(QPen(folderEdge, 0.8));
    painter.setBrush(folderBack);
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(6.0, 3.5);
    back.lineTo(7.5, 5.0);
    back.lineTo(14.5, 5.0);
    back.lineTo(14.5, 13.5);
    back.closeSubpath();
    painter.drawPath(back);
}

void DrawClosedFolder(QPainter& painter) {
    DrawFolderBack(painter);
    painter.setBrush(folderFront);
    painter.drawRect(QRectF(1.5, 6.5, 13.0, 7.0));
}

void DrawOpenFolder(QPainter& painter) {
    DrawFolderBack(painter);
    painter.setPen(QPen(paperEdge, 0.6));
    painter.setBrush(paper);
    painter.drawRect(QRectF(3.5, 4.0, 9.0, 6.0));
    painter.setPen(QPen(folderEdge, 0.8));
    painter.setBrush(folderFront);
    const QPointF front[] = {{1.5, 13.5}, {4.0, 7.5}, {15.5, 7.5}, {13.0, 13.5}};
    painter.drawPolygon(front, 4);
}

// A sheet with a folded corner; the lines stand for text.
void DrawSheet(QPainter& painter) {
    painter.setPen(QPen(paperEdge, 0.8));
    painter.setBrush(paper);
    const QPointF sheet[] = {{3.0, 1.5}, {10.0, 1.5}, {13.0, 4.5}, {13.0, 14.5}, {3.0, 14.5}};
    painter.drawPolygon(sheet, 5);
    const QPointF fold[] = {{10.0, 1.5}, {10.0, 4.5}, {13.0, 4.5}};
    painter.drawPolyline(fold, 3);
}

void DrawTextLines(QPainter& painter, double top) {
    painter.setPen(QPen(QColor(150, 156, 168), 0.8));
    for (double y = top; y < 13.5; y += 2.0) {
        painter.drawLine(QPointF(5.0, y), QPointF(11.0, y));
    }
}

void DrawPlainFile(QPainter& painter) {
    DrawSheet(painter);
    DrawTextLines(painter, 6.5);
}

// A sheet with a coloured letter badge, blue for C sources and green for headers.
Drawing LetteredFile(QChar letter, QColor colour) {
    return [letter, colour](QPainter& painter) {
        DrawSheet(painter);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(4.0, 6.0, 8.0, 7.5), 1.5, 1.5);
        QFont font("Sans");
        font.setPixelSize(7);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(4.0, 6.0, 8.0, 7.5), Qt::AlignCenter, QString(letter));
    };
}

void DrawClosedBook(QPainter& painter) {
    painter.setPen(QPen(bookEdge, 0.8));
    painter.setBrush(QColor(70, 110, 190));
    painter.drawRoundedRect(QRectF(3.0, 1.5, 10.0, 13.0), 1.0, 1.0);
    painter.setBrush(paper);
    painter.drawRect(QRectF(11.0, 2.5, 1.5, 11.0));
    painter.setPen(QPen(QColor(230, 200, 90), 1.0));
    painter.drawLine(QPointF(5.5, 5.0), QPointF(9.5, 5.0));
}

void DrawOpenBook(QPainter& painter) {
    painter.setPen(QPen(bookEdge, 0.8));
    painter.setBrush(QColor(70, 110, 190));
    painter.drawRect(QRectF(0.5, 3.5, 15.0, 10.0));
    painter.setBrush(paper);
    painter.drawRect(QRectF(1.5, 2.5, 6.5, 10.0));
    painter.drawRect(QRectF(8.0, 2.5, 6.5, 10.0));
    painter.setPen(QPen(QColor(150, 156, 168), 0.7));
    for (double y = 5.0; y < 11.5; y += 2.0) {
        painter.drawLine(QPointF(2.8, y), QPointF(6.8, y));
        painter.drawLine(QPointF(9.2, y), QPointF(13.2, y));
    }
}

void DrawTopic(QPainter& painter) {
    DrawSheet(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 110, 190));
    painter.drawEllipse(QRectF(5.0, 6.0, 6.0, 6.0));
    QFont font("Sans");
    font.setPixelSize(5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(5.0, 6.0, 6.0, 6.0), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QIcon BrowserIcons::closedFolder() {
    return Icon(DrawClosedFolder);
}

QIcon BrowserIcons::openFolder() {
    return Icon(DrawOpenFolder);
}

QIcon BrowserIcons::plainFile() {
    return Icon(DrawPlainFile);
}

QIcon BrowserIcons::sourceFile() {
    return Icon(LetteredFile(QChar('C'), QColor(40, 100, 200)));
}

QIcon BrowserIcons::headerFile() {
    return Icon(LetteredFile(QChar('H'), QColor(40, 150, 80)));
}

QIcon BrowserIcons::helpCategory() {
    QIcon icon = Icon(DrawClosedBook);
    AddSizes(icon, DrawOpenBook, QIcon::Selected);
    return icon;
}

QIcon BrowserIcons::helpTopic() {
    return Icon(DrawTopic);
}

} // namespace vesk
