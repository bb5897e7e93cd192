#pragma once
// One row of the rung list window: the selection frame Bordo holding the
// panel shRung and its cells. A row widget is reused for whichever rung is
// in view; Assegna renames its controls after that rung.
#include <QFrame>
#include <array>

class QLabel;
class QLineEdit;
struct Rung;

class RigaProgramma : public QFrame {
    Q_OBJECT
public:
    explicit RigaProgramma(QWidget* padre);

    void Assegna(int k);
    // Out of view: hidden and nameless until it shows a rung again.
    void Parcheggia();
    int Indice() const { return m_k; }
    // Shows rung `r` in the given format (0 full, 1 compact).
    void Mostra(const Rung& r, int formato, bool selezionato, const QColor& numero);
    void Seleziona(bool selezionato);
    void ImpostaFormato(int formato);

    QFrame* shRung = nullptr;
    QLabel* lbl_Rung = nullptr;
    QLabel* txt_Label = nullptr;
    QLabel* txt_Func = nullptr;
    QLabel* txt_Var = nullptr;
    QLabel* img_Break = nullptr;
    QLabel* Immagine = nullptr;
    std::array<QLabel*, 8> txt_VarN{};
    std::array<QLabel*, 8> lbl_VarN{};
    QLineEdit* txt_desc = nullptr;

    // The cells whose click, double-click and right press act on the row.
    QList<QWidget*> Cliccabili() const;

private:
    int m_k = -1;
    int m_formato = 0;
};
