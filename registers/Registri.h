#pragma once
// The register window: a scrolling page of the controller's registers, read
// from the controller on request, edited through the value dialog, and
// offered to the block editor's current argument row on a click.
#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

// What row shows for register n, computed from TabRegistri alone.
struct VistaRegistro {
    QString indirizzo, nome, tipo, valore;
    bool coloreTestoValido = false;   // categories without a colour keep theirs
    QColor coloreTesto;
    QColor coloreValore;
};
VistaRegistro DescriviRegistro(int n);

// Registers of the selected model (0 while the model table is empty).
int RegistriDelModello();

// Function-4 read of the page starting at `primo` into TabRegistri (value
// and changed flag): 32 registers, fewer on the model's last page. Returns
// the transaction result (0 success); on failure the table is untouched.
uint8_t LeggiPaginaRegistri(int primo);
// Zero into the 16 holding registers from the model's first user register.
uint8_t AzzeraRegistriUtente();

class Registri : public QWidget {
    Q_OBJECT
public:
    static constexpr int NumRighe = 101;

    Registri();
    Q_INVOKABLE void SetRes();
    void Redraw();
    void AggiornaRegistri_new(bool leggi);
    void ClearRegistri();

    // Repaint of every row from the table.
    void VScroll1_Change();
    QScrollBar* VScroll1() const { return m_scroll; }
    QLabel* lbl_reg_val(int i) const { return m_righe[size_t(i)].val; }
    // The designed size: the rows are placed by hand, so the workspace has
    // no layout to ask when it first sizes the window.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    struct Riga {
        QWidget* p = nullptr;
        QLabel *ind = nullptr, *nome = nullptr, *tipo = nullptr, *val = nullptr;
        std::array<QFrame*, 3> linee{};
    };
    // Places captions, rows, scroll bar and button for the current texts.
    void Disponi();
    void ModificaRegistro(int n);
    void ScegliRegistro(int n);
    int RigaDi(QObject* o) const;

    QWidget* m_pannello;
    QScrollBar* m_scroll;
    QPushButton* m_leggi;
    std::array<QLabel*, 4> m_titoli{};
    std::array<Riga, NumRighe> m_righe;
};

// Offers the block editor the register window's repaint and the value dialog.
void InstallaServiziRegistri();
