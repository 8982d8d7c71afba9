// Creates a slider by its class name from the installed library, sets its value
// and reads it back; exits 0 when the round trip works.
#include <sarv/ControlFactory.h>
#include <sarv/Variateur.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget* control = sarv::createControl(QStringLiteral("Sarv.Variateur"));
    auto* slider = qobject_cast<sarv::Variateur*>(control);
    if (!slider) {
        std::puts("no Sarv.Variateur");
        return 1;
    }
    slider->setMax(10);
    slider->setValue(7);
    std::printf("Value %d\n", int(slider->Value()));
    const bool ok = slider->Value() == 7;
    delete control;
    return ok ? 0 : 1;
}
