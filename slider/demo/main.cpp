// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

// sarv-demo: the player's three sliders (scrlTime, scrlVol, scrlBal) loaded
// from the player's stored forms, and one slider of each gradient mode and
// thumb width. Clicking a slider selects it; "Gestion..." opens the property
// page on the selected one. Each slider shows its value beside it.
#include "GestionFrame.h"

#include <sarv/ColorRoutines.h>
#include <sarv/ControlFactory.h>
#include <sarv/Library.h>
#include <sarv/PropertyBag.h>
#include <sarv/Variateur.h>

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

struct Row {
    const char* caption;
    // The player's stored form to load, or nullptr for a new control's defaults.
    const char* form;
    int width;
    std::function<void(sarv::Variateur&)> setUp;
};

bool loadForm(sarv::Variateur& slider, const QString& name)
{
    QFile file(QStringLiteral(":/sliders/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QString error;
    const bool loaded = slider.ReadProperties(
        sarv::PropertyBag::fromText(QString::fromUtf8(file.readAll())), &error);
    if (!loaded)
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(error));
    return loaded;
}

class DemoWindow : public QWidget {
public:
    DemoWindow()
    {
        setWindowTitle(QStringLiteral("%1 : démonstration du Variateur (%2)")
                           .arg(sarv::libraryName(), sarv::libraryDescription()));
        auto* grid = new QGridLayout(this);
        const Row rows[] = {
            { "scrlTime (position)", "scrlTime", 319, nullptr },
            { "scrlVol (volume)", "scrlVol", 97, nullptr },
            { "scrlBal (balance)", "scrlBal", 65, nullptr },
            { "Dégradé horizontal, bouton Normal", nullptr, 240,
              [](sarv::Variateur& s) { s.setValue(3); } },
            { "Dégradé vertical, bouton Large", nullptr, 240,
              [](sarv::Variateur& s) {
                  s.setDegradeMode(sarv::Variateur::vertical);
                  s.setForeColorMin1(sarv::RGB(0, 64, 255));
                  s.setForeColorMin2(sarv::RGB(0, 255, 255));
                  s.setForeColorMax1(sarv::RGB(255, 128, 0));
                  s.setForeColorMax2(sarv::RGB(255, 255, 0));
                  s.setButtonWidth(sarv::Variateur::Large);
                  s.setMax(20);
                  s.setValue(10);
              } },
            { "Avec bordure, bouton Small", nullptr, 240,
              [](sarv::Variateur& s) {
                  s.setBorder(true);
                  s.setBackcolor(sarv::RGB(40, 40, 40));
                  s.setButtonWidth(sarv::Variateur::Small);
                  s.setMin(-5);
                  s.setMax(5);
              } },
        };
        int row = 0;
        for (const Row& r : rows)
            addRow(grid, row++, r);

        m_selection = new QLabel(this);
        auto* open = new QPushButton(QStringLiteral("Gestion..."), this);
        open->setObjectName(QStringLiteral("cmdGestion"));
        connect(open, &QPushButton::clicked, this, [this] { openGestion(); });
        grid->addWidget(m_selection, row, 0, 1, 2);
        grid->addWidget(open, row, 2);
        select(m_first);
    }

    bool complete() const { return m_complete; }

private:
    void addRow(QGridLayout* grid, int row, const Row& r)
    {
        QString error;
        auto* slider = qobject_cast<sarv::Variateur*>(
            sarv::createControl(QStringLiteral("Sarv.Variateur"), this, &error));
        if (!slider) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            m_complete = false;
            return;
        }
        // The player's sliders are 9 pixels high; the others a little more.
        slider->setFixedSize(r.width, r.form ? 9 : 20);
        if (r.form) {
            m_complete = loadForm(*slider, QString::fromLatin1(r.form)) && m_complete;
        } else {
            slider->InitProperties();
            r.setUp(*slider);
        }
        const QString caption = QString::fromUtf8(r.caption);
        auto* value = new QLabel(this);
        value->setMinimumWidth(40);
        const auto show = [slider, value] { value->setText(QString::number(slider->Value())); };
        connect(slider, &sarv::Variateur::Change, value, show);
        connect(slider, &sarv::Variateur::Click, this, [this, slider] { select(slider); });
        show();
        slider->setObjectName(caption);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(slider, row, 1, Qt::AlignLeft);
        grid->addWidget(value, row, 2);
        if (!m_first)
            m_first = slider;
    }

    void select(sarv::Variateur* slider)
    {
        m_selected = slider;
        m_selection->setText(QStringLiteral("Sélection : %1")
                                 .arg(slider ? slider->objectName() : QStringLiteral("aucune")));
    }

    void openGestion()
    {
        if (!m_selected)
            return;
        auto* frame = new sarv::GestionFrame({ m_selected.data() }, this);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->open();
    }

    QLabel* m_selection = nullptr;
    QPointer<sarv::Variateur> m_first;
    QPointer<sarv::Variateur> m_selected;
    bool m_complete = true;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DemoWindow window;
    if (!window.complete())
        return 1;
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
