// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/Gestion.h>

#include <sarv/Variateur.h>

#include "PropertyConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>

#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace sarv {

namespace {

// Thumb widths in the order of the d->CbEB items.
constexpr std::array<int, 3> kWidths = { Variateur::Large, Variateur::Normal, Variateur::Small };

double twipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

template <typename W>
W* place(W* widget, double left, double top, double width, double height)
{
    const double tpp = twipsPerPixel();
    widget->setGeometry(int(std::lround(left / tpp)), int(std::lround(top / tpp)),
                        int(std::lround(width / tpp)), int(std::lround(height / tpp)));
    return widget;
}

// Converts the text of field to a 16-bit number and hands it to setter; a text
// that does not convert is the step's error.
Status writeNumber(const QLineEdit* field, const char* property,
                   const std::function<Status(short)>& setter)
{
    const auto number = conversion::toShort(field->text());
    if (!number)
        return Status::failure(
            QStringLiteral("%1 : « %2 » n'est pas un nombre entier entre -32768 et 32767.")
                .arg(QString::fromLatin1(property), field->text()));
    return setter(*number);
}

} // namespace

// The page's controls and the selection it edits.
class GestionPrivate {
public:
    void markChanged();

    Gestion* q = nullptr;
    QLabel* lblMin = nullptr;
    QLineEdit* txtMin = nullptr;
    QLabel* lblMax = nullptr;
    QLineEdit* txtMax = nullptr;
    QLabel* lblValue = nullptr;
    QLineEdit* txtValue = nullptr;
    QCheckBox* chkBorder = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* CbDegradeMode = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* CbEB = nullptr;

    QList<QPointer<Variateur>> selected;
    bool changed = false;
};

void GestionPrivate::markChanged()
{
    q->setChanged(true);
}

Gestion::Gestion(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<GestionPrivate>())
{
    d->q = this;
    setWindowTitle(QStringLiteral("Gestion"));
    const double tpp = twipsPerPixel();
    resize(int(std::lround(5625 / tpp)), int(std::lround(2685 / tpp)));

    d->lblMin = place(new QLabel(QStringLiteral("Min:"), this), 90, 120, 2700, 240);
    d->txtMin = place(new QLineEdit(this), 90, 370, 2700, 330);
    d->lblMax = place(new QLabel(QStringLiteral("Max:"), this), 90, 770, 2700, 240);
    d->txtMax = place(new QLineEdit(this), 90, 1020, 2700, 330);
    d->lblValue = place(new QLabel(QStringLiteral("Value:"), this), 90, 1420, 2700, 240);
    d->txtValue = place(new QLineEdit(this), 90, 1670, 2700, 330);
    d->chkBorder = place(new QCheckBox(QStringLiteral("Border"), this), 90, 2310, 2700, 285);
    d->Label1 = place(new QLabel(QStringLiteral("Mode de dégradé"), this), 3045, 165, 1380, 225);
    d->CbDegradeMode = place(new QComboBox(this), 3045, 420, 2220, 315);
    d->Label2 = place(new QLabel(QStringLiteral("Epaisseur du bouton"), this), 3045, 945, 2115, 225);
    d->CbEB = place(new QComboBox(this), 3045, 1200, 2220, 315);

    // Hosts find the controls by their published names.
    const std::pair<QWidget*, const char*> named[] = {
        { d->lblMin, "lblMin" }, { d->txtMin, "txtMin" },       { d->lblMax, "lblMax" },
        { d->txtMax, "txtMax" }, { d->lblValue, "lblValue" },   { d->txtValue, "txtValue" },
        { d->chkBorder, "chkBorder" }, { d->Label1, "Label1" }, { d->CbDegradeMode, "CbDegradeMode" },
        { d->Label2, "Label2" }, { d->CbEB, "CbEB" },
    };
    for (const auto& [widget, name] : named)
        widget->setObjectName(QLatin1String(name));

    d->CbDegradeMode->addItem(QString::number(Variateur::horizontal) + QStringLiteral(" - Horizontal"));
    d->CbDegradeMode->addItem(QString::number(Variateur::vertical) + QStringLiteral(" - Vertical"));
    d->CbEB->addItem(QString::number(Variateur::Large) + QStringLiteral(" - Large"));
    d->CbEB->addItem(QString::number(Variateur::Normal) + QStringLiteral(" - Normal"));
    d->CbEB->addItem(QString::number(Variateur::Small) + QStringLiteral(" - Small"));
    // Nothing is chosen until a slider is selected.
    d->CbDegradeMode->setCurrentIndex(-1);
    d->CbEB->setCurrentIndex(-1);

    // Only the user's edits mark the page changed, not the loading of a selection.
    for (QLineEdit* field : { d->txtMin, d->txtMax, d->txtValue })
        connect(field, &QLineEdit::textEdited, this, [this] { d->markChanged(); });
    connect(d->chkBorder, &QCheckBox::clicked, this, [this] { d->markChanged(); });
    connect(d->CbDegradeMode, &QComboBox::activated, this, [this] { d->markChanged(); });
    connect(d->CbEB, &QComboBox::activated, this, [this] { d->markChanged(); });
}

Gestion::~Gestion() = default;

bool Gestion::Changed() const { return d->changed; }
QLabel* Gestion::lblMin() const { return d->lblMin; }
QLineEdit* Gestion::txtMin() const { return d->txtMin; }
QLabel* Gestion::lblMax() const { return d->lblMax; }
QLineEdit* Gestion::txtMax() const { return d->txtMax; }
QLabel* Gestion::lblValue() const { return d->lblValue; }
QLineEdit* Gestion::txtValue() const { return d->txtValue; }
QCheckBox* Gestion::chkBorder() const { return d->chkBorder; }
QLabel* Gestion::Label1() const { return d->Label1; }
QComboBox* Gestion::CbDegradeMode() const { return d->CbDegradeMode; }
QLabel* Gestion::Label2() const { return d->Label2; }
QComboBox* Gestion::CbEB() const { return d->CbEB; }

void Gestion::setChanged(bool changed)
{
    if (d->changed == changed)
        return;
    d->changed = changed;
    Q_EMIT changedChanged(changed);
}

void Gestion::SelectionChanged(const QList<sarv::Variateur*>& selected)
{
    d->selected.clear();
    for (Variateur* slider : selected)
        d->selected.append(slider);
    Variateur* slider = selected.isEmpty() ? nullptr : selected.first();
    if (!slider)
        return;
    d->chkBorder->setChecked(slider->Border());
    d->txtValue->setText(QString::number(slider->Value()));
    d->txtMax->setText(QString::number(slider->Max()));
    d->txtMin->setText(QString::number(slider->Min()));
    d->CbDegradeMode->setCurrentIndex(slider->DegradeMode() == Variateur::horizontal ? 0 : 1);
    for (int i = 0; i < int(kWidths.size()); ++i) {
        if (slider->ButtonWidth() == kWidths[i])
            d->CbEB->setCurrentIndex(i);
    }
}

Status Gestion::ApplyChanges()
{
    Variateur* slider = d->selected.isEmpty() ? nullptr : d->selected.first().data();
    if (!slider)
        return {};
    const std::function<Status()> steps[] = {
        [&] { return slider->setBorder(d->chkBorder->isChecked()); },
        [&] { return writeNumber(d->txtValue, "Value", [&](short v) { return slider->setValue(v); }); },
        [&] { return writeNumber(d->txtMax, "Max", [&](short v) { return slider->setMax(v); }); },
        [&] { return writeNumber(d->txtMin, "Min", [&](short v) { return slider->setMin(v); }); },
        [&] {
            const int index = d->CbEB->currentIndex();
            if (index < 0 || index >= int(kWidths.size()))
                return Status {};
            return slider->setButtonWidth(Variateur::BWidth(kWidths[index]));
        },
        [&] {
            const int index = d->CbDegradeMode->currentIndex();
            if (index != 0 && index != 1)
                return Status {};
            return slider->setDegradeMode(Variateur::Pos(index));
        },
    };
    for (const auto& step : steps) {
        const Status status = step();
        if (!status)
            return status;
    }
    setChanged(false);
    return {};
}

} // namespace sarv
