#pragma once
// An indicator of the configuration window: a round lamp (event and digital
// input indicators) or a square box (input break), filled with the colour
// the read gives it. The colour is exposed as the blue-green-red number the
// window's logic uses, so a test can read it.
#include <QWidget>
#include <cstdint>

class Lampada : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint colore READ colore WRITE ImpostaColore)
    Q_PROPERTY(bool piena READ piena WRITE ImpostaPiena)
public:
    Lampada(bool rotonda, uint32_t colore, QWidget* parent = nullptr);
    uint colore() const { return m_colore; }
    void ImpostaColore(uint colore);
    // Hollow: only the outline, in the lamp's colour.
    bool piena() const { return m_piena; }
    void ImpostaPiena(bool piena);
    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool m_rotonda;
    uint32_t m_colore;
    bool m_piena = true;
};
