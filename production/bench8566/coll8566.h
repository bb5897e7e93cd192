#pragma once
// The QVR8566 bench's window: "Connetti Banco", one "-->" button per test
// row and the result labels, over Banco8566. A close asked for while a row
// runs is carried out when the row ends.
#include "production/bench8566/Banco8566.h"

#include <QWidget>
#include <array>

class QLabel;

class coll8566 : public QWidget, public QuadroBanco8566 {
    Q_OBJECT
public:
    coll8566();

    Banco8566& Banco() { return m_banco; }
    void cmd_banco_Click();
    void cmd_coll_Click(int Index);
    void Conf_Mult(uint8_t n, const QString& stato, const QString& grandezza);

    void ImpostaStato(Risultato r, int riga, ColoreCollaudo s) override;
    void ImpostaTesto(Risultato r, int riga, const QString& testo) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void ChiudiSeChiesto();
    QLabel* Etichetta(Risultato r, int riga) const;

    Banco8566 m_banco{*this};
    // Result labels by kind and row; null where a row has none.
    std::array<std::array<QLabel*, RigheBanco8566.size()>, 6> m_etichette{};
};
