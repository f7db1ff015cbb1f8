// The least Qt Widgets program: one label of the title screen's size, shown.
// bench/real_program.sh starts it beside the real program, as the yardstick
// for the launch to the title screen.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label;
    label.resize(709, 470); // 10635 x 7050 twips at 96 DPI
    label.show();
    return app.exec();
}
