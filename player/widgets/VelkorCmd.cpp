#include "widgets/VelkorCmd.h"

VelkorCmd::VelkorCmd(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
    , m_caption(caption)
{
    connect(this, &QPushButton::clicked, this, &VelkorCmd::Click);
}

void VelkorCmd::setCaption(const QString& caption)
{
    m_caption = caption;
    setText(caption);
}

void VelkorCmd::setValue(int value)
{
    m_value = value;
    setDown(value != 0);
}
