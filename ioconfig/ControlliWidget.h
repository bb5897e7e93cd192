#pragma once
// The controls of a real window as the configuration logic sees them: the
// window only says which widget carries a name (Cerca); how each kind of
// control is read and written lives here once, for every window that
// offers its controls this way. A check box's text is "1" when checked,
// "0" otherwise; a colour is kept as the property "colore" (BGR number).
#include "ioconfig/ControlliConfig.h"

class QWidget;

class ControlliWidget : public ControlliConfig {
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
    // The widget named nome, or null.
    virtual QWidget* Cerca(const QString& nome) const = 0;
};
