#pragma once
// The value dialog: in value mode it edits one register (name, type, value
// and bits) and writes the value to the controller by its type; in text mode
// it edits a number bit by bit for the block editor and hands it back in
// TestoInput. The opener sets DialogoAperto and waits until it clears.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The whole field as a number, "," or "." as the decimal separator, blanks
// around allowed; nothing when it is not one.
std::optional<double> NumeroCompleto(const QString& testo);
// One to four hex digits, read right-aligned ("1F" is 001F).
std::optional<uint16_t> LeggiHex(const QString& testo);
// The 32 bits the value field stands for under format `tipo` (-1: text mode,
// an integer): Hex as hex, Float as its single's bits, other numbers rounded,
// negatives in two's complement. Nothing for a text that does not parse,
// lies outside 32 bits, or a format without bits (ASCII, String).
std::optional<uint32_t> BitDelTesto(const QString& testo, int tipo);

class Input_Box : public QDialog {
    Q_OBJECT
public:
    Input_Box();

    int IndiceRegistro = 0;   // value mode: the register edited, 0..2048
    uint8_t Modo = 0;         // 0 value mode, 1 text mode

    Q_INVOKABLE void SetRes();
    // Loads the dialog for IndiceRegistro/Modo and shows it.
    void Apri();
    // Closes it; the opener's wait ends.
    void Chiudi();

    void MostraValore();
    void Combo1_Click();
    void cmd_bit_Click(int k);
    void cmd_ok_Click(int Index);

    QLineEdit* Testo(int i) const { return m_testo[size_t(i)]; }
    QComboBox* Combo1() const { return m_combo; }
    QPushButton* cmd_bit(int k) const { return m_bit[size_t(k)]; }
    QWidget* pBits(int i) const { return m_pannelli[size_t(i)]; }
    QLabel* Label1(int i) const { return m_etichette[size_t(i)]; }

    void reject() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // Value mode OK; false when the value cannot be written as typed.
    bool ConfermaValore();
    void ImpostaBit(int k, bool uno);
    void MostraBit(uint32_t basso, uint32_t alto);
    int TipoScelto() const;

    std::array<QLabel*, 4> m_etichette{};
    std::array<QLineEdit*, 2> m_testo{};
    QComboBox* m_combo;
    std::array<QWidget*, 2> m_pannelli{};
    std::array<QPushButton*, 32> m_bit{};
    std::array<QPushButton*, 2> m_ok{};
};
