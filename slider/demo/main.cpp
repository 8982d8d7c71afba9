// sarv-demo: a window with three sliders (horizontal gradient, vertical
// gradient, bordered) that follow the mouse, each with its value beside it.
#include <sarv/ColorRoutines.h>
#include <sarv/ControlFactory.h>
#include <sarv/Variateur.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

sarv::Variateur* addSlider(QGridLayout* grid, int row, const QString& caption, QWidget* parent)
{
    QString error;
    auto* slider = qobject_cast<sarv::Variateur*>(
        sarv::createControl(QStringLiteral("Sarv.Variateur"), parent, &error));
    if (!slider) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    slider->setMinimumSize(320, 24);
    slider->InitProperties();
    auto* value = new QLabel(parent);
    value->setMinimumWidth(40);
    const auto show = [slider, value] { value->setText(QString::number(slider->Value())); };
    QObject::connect(slider, &sarv::Variateur::Change, value, show);
    show();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(value, row, 2);
    return slider;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Sarv : démonstration du Variateur"));
    auto* grid = new QGridLayout(&window);

    sarv::Variateur* horizontal = addSlider(grid, 0, QStringLiteral("Dégradé horizontal"), &window);
    sarv::Variateur* vertical = addSlider(grid, 1, QStringLiteral("Dégradé vertical"), &window);
    sarv::Variateur* bordered = addSlider(grid, 2, QStringLiteral("Avec bordure"), &window);
    if (!horizontal || !vertical || !bordered)
        return 1;

    horizontal->setMax(100);
    horizontal->setValue(30);

    vertical->setDegradeMode(sarv::Variateur::vertical);
    vertical->setForeColorMin1(sarv::RGB(0, 64, 255));
    vertical->setForeColorMin2(sarv::RGB(0, 255, 255));
    vertical->setForeColorMax1(sarv::RGB(255, 128, 0));
    vertical->setForeColorMax2(sarv::RGB(255, 255, 0));
    vertical->setButtonWidth(sarv::Variateur::Large);
    vertical->setMax(20);
    vertical->setValue(10);

    bordered->setBorder(true);
    bordered->setBackcolor(sarv::RGB(40, 40, 40));
    bordered->setButtonWidth(sarv::Variateur::Small);
    bordered->setMin(-5);
    bordered->setMax(5);

    window.show();
    // "--screenshot FILE" saves the window once shown and quits (for checks
    // without a person at the screen).
    const QStringList args = app.arguments();
    const qsizetype shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot > 0 && shot + 1 < args.size()) {
        QTimer::singleShot(200, &window, [&window, file = args.at(shot + 1)] {
            const bool saved = window.grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
