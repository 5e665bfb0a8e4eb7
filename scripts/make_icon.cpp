// Draws the program's icon file, packaging/qumat_pro.ico, at the sizes the desktop asks for, from
// the same shapes as packaging/qumat_pro.svg. Build and run from the repository root when the
// icon should change:
//   g++ -std=c++20 -fPIC scripts/make_icon.cpp $(pkg-config --cflags --libs Qt6Gui) \
//       -o /tmp/make_icon && QT_QPA_PLATFORM=offscreen /tmp/make_icon packaging/qumat_pro.ico
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <vector>

namespace {

// The 64-unit drawing of the SVG, at `size` pixels.
QByteArray png(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.drawRoundedRect(QRectF(6, 10, 52, 44), 8, 8);
    painter.setBrush(QColor(0xd8, 0xe6, 0xf3));
    painter.drawRoundedRect(QRectF(40, 14, 12, 6), 2, 2);
    painter.setPen(QPen(QColor(0xd8, 0xe6, 0xf3), 3));
    painter.setBrush(QColor(0x0b, 0x1a, 0x2e));
    painter.drawEllipse(QPointF(30, 34), 15, 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4f, 0xa3, 0xe0));
    painter.drawEllipse(QPointF(30, 34), 7, 7);
    painter.setBrush(QColor(0xe0, 0x4f, 0x4f));
    painter.drawEllipse(QPointF(48, 44), 3, 3);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void append16(QByteArray& bytes, quint16 value) {
    bytes.append(static_cast<char>(value & 0xFF)).append(static_cast<char>(value >> 8));
}
void append32(QByteArray& bytes, quint32 value) {
    append16(bytes, static_cast<quint16>(value & 0xFFFF));
    append16(bytes, static_cast<quint16>(value >> 16));
}

}  // namespace

// An icon file whose images are PNG files, as the desktop reads them.
int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const std::vector<int> sizes{16, 24, 32, 48, 256};
    std::vector<QByteArray> images;
    for (const int size : sizes) {
        images.push_back(png(size));
    }
    QByteArray icon;
    append16(icon, 0);
    append16(icon, 1);
    append16(icon, static_cast<quint16>(sizes.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
    for (std::size_t index = 0; index < sizes.size(); ++index) {
        const int size = sizes[index];
        // 256 is written as 0.
        icon.append(static_cast<char>(size & 0xFF)).append(static_cast<char>(size & 0xFF));
        icon.append('\0').append('\0');
        append16(icon, 1);
        append16(icon, 32);
        append32(icon, static_cast<quint32>(images[index].size()));
        append32(icon, offset);
        offset += static_cast<quint32>(images[index].size());
    }
    for (const auto& image : images) {
        icon.append(image);
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    return file.open(QIODevice::WriteOnly) && file.write(icon) == icon.size() ? 0 : 1;
}
