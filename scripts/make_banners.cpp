// Draws the five login banners into editions/banners/: each as a 24-bit BMP file, which both
// toolkits show, and at twice the size as NAME@2x.png, which the Qt windows show on a screen of
// twice the density.
// Build and run from the repository root when a banner should change:
//   g++ -std=c++20 -fPIC scripts/make_banners.cpp $(pkg-config --cflags --libs Qt6Gui) \
//       -o /tmp/make_banners && QT_QPA_PLATFORM=offscreen /tmp/make_banners editions/banners
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

namespace {

struct Banner {
    const char* name;
    int width;
    int height;
    const char* title;
    const char* subtitle;
};

// The banner at `scale` times its size, drawn in the units of its size.
QImage draw(const Banner& banner, int scale) {
    QImage image(banner.width * scale, banner.height * scale, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    QLinearGradient background(0, 0, banner.width, banner.height);
    background.setColorAt(0, QColor(0x12, 0x2b, 0x4a));
    background.setColorAt(1, QColor(0x1f, 0x4e, 0x79));
    painter.fillRect(QRect(0, 0, banner.width, banner.height), background);

    // A stylised lens at the left.
    const int diameter = banner.height * 3 / 5;
    const QRect lens(banner.height / 5, (banner.height - diameter) / 2, diameter, diameter);
    painter.setPen(QPen(QColor(0xd8, 0xe6, 0xf3), 4));
    painter.setBrush(QColor(0x0b, 0x1a, 0x2e));
    painter.drawEllipse(lens);
    painter.setBrush(QColor(0x4f, 0xa3, 0xe0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(lens.adjusted(diameter / 4, diameter / 4, -diameter / 4, -diameter / 4));

    const int textLeft = lens.right() + banner.height / 5;
    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setBold(true);
    titleFont.setPixelSize(banner.height * 3 / 10);
    painter.setFont(titleFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(textLeft, 0, banner.width - textLeft, banner.height * 3 / 5),
                     Qt::AlignLeft | Qt::AlignBottom, QString::fromUtf8(banner.title));

    QFont subtitleFont(QStringLiteral("DejaVu Sans"));
    subtitleFont.setPixelSize(banner.height / 8);
    painter.setFont(subtitleFont);
    painter.setPen(QColor(0xb8, 0xcf, 0xe6));
    painter.drawText(QRect(textLeft, banner.height * 3 / 5 + banner.height / 20,
                           banner.width - textLeft, banner.height / 4),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(banner.subtitle));
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const Banner banners[] = {
        {"english", 481, 132, "Corvane 4.1", "Body camera configuration"},
        {"russian", 481, 132, "Corvane 4.1", "Настройка нагрудной камеры"},
        {"french", 481, 132, "Corvane 4.1", "Configuration de la camera"},
        {"spanish", 481, 132, "Corvane 4.1", "Configuración de la cámara"},
        {"portuguese", 600, 100, "KORVATEN 4.0", "Configuração da câmera"},
    };
    for (const auto& banner : banners) {
        const QString path = directory + QLatin1Char('/') + QString::fromLatin1(banner.name);
        draw(banner, 1).save(path + QStringLiteral(".bmp"), "BMP");
        draw(banner, 2).save(path + QStringLiteral("@2x.png"), "PNG");
    }
    return 0;
}
