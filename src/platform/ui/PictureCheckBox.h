#pragma once

#include <QAbstractButton>

// A check box in graphical style: one named picture while unchecked, another while checked, centred
// on the box, with the hand pointer.
class PictureCheckBox : public QAbstractButton
{
    Q_OBJECT
public:
    PictureCheckBox(QString uncheckedPicture, QString checkedPicture, QWidget* parent = nullptr);

    // The picture now shown.
    QString face() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_unchecked;
    QString m_checked;
};
