#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder("Ringwright - by Vellamy");
    placeholder.setWindowTitle("Ringwright - by Vellamy");
    placeholder.setFixedSize(1100, 700);
    placeholder.setAlignment(Qt::AlignCenter);
    placeholder.show();
    return app.exec();
}
