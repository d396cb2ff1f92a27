// The yardstick for kinsketch-render: the least a Qt GUI program does to
// write a blank bitmap of a canvas's size (start the offscreen platform,
// fill an image, write it).

#include <QGuiApplication>
#include <QImage>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QImage image(470, 413, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image.save(QString::fromLocal8Bit(argv[1]), "BMP") ? 0 : 1;
}
