#pragma once
#include <QAbstractButton>
#include <QColor>

// A palette button: caption on the block's colour, wrapped to fit.
class PulsanteFunzione : public QAbstractButton {
    Q_OBJECT
public:
    explicit PulsanteFunzione(QWidget* parent);
    QColor Colore;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};
