#pragma once
// What the module set-up forms share as windows: their controls reached by
// objectName for the logic (ControlliConfig; a check box's text is "1" when
// checked, "0" otherwise), colours exposed as the property "colore", and a
// close that waits for a running click handler: the registry deletes a
// closed window, so the close is held, the handler asked to stop (Ferma),
// and the window closes once the handler has returned.
#include "ioconfig/ControlliConfig.h"

#include <QWidget>

class QAbstractButton;

class FinestraModulo : public QWidget, public ControlliConfig {
    Q_OBJECT
public:
    QString Testo(const QString& nome) const override;
    void ImpostaTesto(const QString& nome, const QString& testo) override;
    void Posizione(const QString& nome, int pos) override;
    void SelezionaDato(const QString& nome, int codice) override;
    std::optional<int> DatoScelto(const QString& nome) const override;
    void Spunta(const QString& nome, bool si) override;
    void Colore(const QString& nome, uint32_t colore) override;
    void Abilita(const QString& nome, bool si) override;
    void Mostra(const QString& nome, bool si) override;
    void SvuotaLista(const QString& nome) override;
    void InserisciVoce(const QString& nome, int pos, const QString& testo, int codice) override;
    bool Spuntato(const QString& nome) const override;
    int PosizioneScelta(const QString& nome) const override;
    uint32_t ColoreDi(const QString& nome) const override;

protected:
    // A click on `b` runs `azione` as a handler the close waits for.
    template <class F> void AlClic(QAbstractButton* b, F azione);
    // Asks the running handlers to end (a close is waiting for them).
    virtual void Ferma() {}
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* Cerca(const QString& nome) const;
    void Inizio() { ++m_gestori; }
    void Fine();

    int m_gestori = 0;
    bool m_chiudi = false;
};

#include <QAbstractButton>

template <class F> void FinestraModulo::AlClic(QAbstractButton* b, F azione)
{
    connect(b, &QAbstractButton::clicked, this, [this, azione] {
        Inizio();
        azione();
        Fine();
    });
}
