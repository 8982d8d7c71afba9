#include <sarv/Gestion.h>

#include <sarv/Variateur.h>

#include "PropertyConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <array>
#include <cmath>
#include <functional>

namespace sarv {

namespace {

// Thumb widths in the order of the CbEB items.
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

Gestion::Gestion(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Gestion"));
    const double tpp = twipsPerPixel();
    resize(int(std::lround(5625 / tpp)), int(std::lround(2685 / tpp)));

    lblMin = place(new QLabel(QStringLiteral("Min:"), this), 90, 120, 2700, 240);
    txtMin = place(new QLineEdit(this), 90, 370, 2700, 330);
    lblMax = place(new QLabel(QStringLiteral("Max:"), this), 90, 770, 2700, 240);
    txtMax = place(new QLineEdit(this), 90, 1020, 2700, 330);
    lblValue = place(new QLabel(QStringLiteral("Value:"), this), 90, 1420, 2700, 240);
    txtValue = place(new QLineEdit(this), 90, 1670, 2700, 330);
    chkBorder = place(new QCheckBox(QStringLiteral("Border"), this), 90, 2310, 2700, 285);
    Label1 = place(new QLabel(QStringLiteral("Mode de dégradé"), this), 3045, 165, 1380, 225);
    CbDegradeMode = place(new QComboBox(this), 3045, 420, 2220, 315);
    Label2 = place(new QLabel(QStringLiteral("Epaisseur du bouton"), this), 3045, 945, 2115, 225);
    CbEB = place(new QComboBox(this), 3045, 1200, 2220, 315);

    CbDegradeMode->addItem(QString::number(Variateur::horizontal) + QStringLiteral(" - Horizontal"));
    CbDegradeMode->addItem(QString::number(Variateur::vertical) + QStringLiteral(" - Vertical"));
    CbEB->addItem(QString::number(Variateur::Large) + QStringLiteral(" - Large"));
    CbEB->addItem(QString::number(Variateur::Normal) + QStringLiteral(" - Normal"));
    CbEB->addItem(QString::number(Variateur::Small) + QStringLiteral(" - Small"));
    // Nothing is chosen until a slider is selected.
    CbDegradeMode->setCurrentIndex(-1);
    CbEB->setCurrentIndex(-1);

    // Only the user's edits mark the page changed, not the loading of a selection.
    for (QLineEdit* field : { txtMin, txtMax, txtValue })
        connect(field, &QLineEdit::textEdited, this, &Gestion::markChanged);
    connect(chkBorder, &QCheckBox::clicked, this, &Gestion::markChanged);
    connect(CbDegradeMode, &QComboBox::activated, this, &Gestion::markChanged);
    connect(CbEB, &QComboBox::activated, this, &Gestion::markChanged);
}

void Gestion::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    Q_EMIT changedChanged(changed);
}

void Gestion::markChanged()
{
    setChanged(true);
}

void Gestion::SelectionChanged(const QList<Variateur*>& selected)
{
    m_selected.clear();
    for (Variateur* slider : selected)
        m_selected.append(slider);
    Variateur* slider = selected.isEmpty() ? nullptr : selected.first();
    if (!slider)
        return;
    chkBorder->setChecked(slider->Border());
    txtValue->setText(QString::number(slider->Value()));
    txtMax->setText(QString::number(slider->Max()));
    txtMin->setText(QString::number(slider->Min()));
    CbDegradeMode->setCurrentIndex(slider->DegradeMode() == Variateur::horizontal ? 0 : 1);
    for (int i = 0; i < int(kWidths.size()); ++i) {
        if (slider->ButtonWidth() == kWidths[i])
            CbEB->setCurrentIndex(i);
    }
}

Status Gestion::ApplyChanges()
{
    Variateur* slider = m_selected.isEmpty() ? nullptr : m_selected.first().data();
    if (!slider)
        return {};
    const std::function<Status()> steps[] = {
        [&] { return slider->setBorder(chkBorder->isChecked()); },
        [&] { return writeNumber(txtValue, "Value", [&](short v) { return slider->setValue(v); }); },
        [&] { return writeNumber(txtMax, "Max", [&](short v) { return slider->setMax(v); }); },
        [&] { return writeNumber(txtMin, "Min", [&](short v) { return slider->setMin(v); }); },
        [&] {
            const int index = CbEB->currentIndex();
            if (index < 0 || index >= int(kWidths.size()))
                return Status {};
            return slider->setButtonWidth(Variateur::BWidth(kWidths[index]));
        },
        [&] {
            const int index = CbDegradeMode->currentIndex();
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
