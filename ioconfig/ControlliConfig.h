#pragma once
// What the configuration logic does to the configuration window's controls,
// each named by its objectName ("txt_Input_3" for element 3 of an array).
// The window implements it over its widgets; tests record it.
#include <cstdint>
#include <QString>
#include <optional>

// The objectName of element i of a control array.
inline QString Ctl(const char* nome, int i) { return QString::fromLatin1(nome) + u'_' + QString::number(i); }
inline QString Ctl(const char* nome) { return QString::fromLatin1(nome); }

// The colours of lamps, break boxes and bit boxes, as blue-green-red numbers
// (red is 255), the values the window exposes.
constexpr uint32_t ColoreRosso = 0x0000FF;
constexpr uint32_t ColoreGrigio = 0x808080;
constexpr uint32_t ColoreBianco = 0xFFFFFF;

class ControlliConfig {
public:
    virtual ~ControlliConfig() = default;
    virtual QString Testo(const QString& nome) const = 0;
    // A text box's text; a list's entry with that text is selected.
    virtual void ImpostaTesto(const QString& nome, const QString& testo) = 0;
    // A list's selected position (-1 none), a scroll bar's value.
    virtual void Posizione(const QString& nome, int pos) = 0;
    // Selects the last entry whose item data is the code; none: unchanged.
    virtual void SelezionaDato(const QString& nome, int codice) = 0;
    // The selected entry's item data; nothing when no entry is selected.
    virtual std::optional<int> DatoScelto(const QString& nome) const = 0;
    // A check box's value, an option button's selection.
    virtual void Spunta(const QString& nome, bool si) = 0;
    virtual void Colore(const QString& nome, uint32_t colore) = 0;
    virtual void Abilita(const QString& nome, bool si) = 0;
    virtual void Mostra(const QString& nome, bool si) = 0;
    virtual void SvuotaLista(const QString& nome) = 0;
    // Inserts at `pos` (later entries move down) with the code as item data.
    virtual void InserisciVoce(const QString& nome, int pos, const QString& testo, int codice) = 0;
    // What the writes read back: a check box's or option button's state, a
    // list's selected position (-1 none) or a scroll bar's value, the colour
    // a lamp or bit box shows.
    virtual bool Spuntato(const QString& nome) const = 0;
    virtual int PosizioneScelta(const QString& nome) const = 0;
    virtual uint32_t ColoreDi(const QString& nome) const = 0;
};
