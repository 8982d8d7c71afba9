#pragma once

#include <QPushButton>

// The skinned push button of the player: a caption, a font, a text colour, a
// pressed state and a click event.
class VelkorCmd : public QPushButton {
    Q_OBJECT
public:
    explicit VelkorCmd(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Pressed state: 1 drawn pressed, 0 raised.
    int Value() const { return m_value; }
    void setValue(int value);

Q_SIGNALS:
    void Click();

private:
    QString m_caption;
    int m_value = 0;
};
