#pragma once
// A recording ControlliConfig: each control's last state as one text, so a
// table row can list what it expects ("txt_vers 1234", "cmb_par_1 =64").
#include "ioconfig/ControlliConfig.h"

#include <QMap>
#include <QStringList>

struct ControlliRegistrati : ControlliConfig {
    // text: the text; "@n" a list position or scroll value; "=n" a code
    // selected by item data; "1"/"0" a check; "c<n>" a colour. Enabled and
    // shown states under "<name>.en" and "<name>.vis".
    QMap<QString, QString> stato;
    QMap<QString, std::optional<int>> scelti;   // what DatoScelto answers

    QString Testo(const QString& nome) const override { return stato.value(nome); }
    void ImpostaTesto(const QString& n, const QString& t) override { stato[n] = t; }
    void Posizione(const QString& n, int p) override { stato[n] = QStringLiteral("@%1").arg(p); }
    void SelezionaDato(const QString& n, int c) override { stato[n] = QStringLiteral("=%1").arg(c); }
    std::optional<int> DatoScelto(const QString& n) const override { return scelti.value(n); }
    void Spunta(const QString& n, bool si) override { stato[n] = si ? QStringLiteral("1") : QStringLiteral("0"); }
    void Colore(const QString& n, uint32_t c) override { stato[n] = QStringLiteral("c%1").arg(c); }
    void Abilita(const QString& n, bool si) override { stato[n + QStringLiteral(".en")] = si ? QStringLiteral("1") : QStringLiteral("0"); }
    void Mostra(const QString& n, bool si) override { stato[n + QStringLiteral(".vis")] = si ? QStringLiteral("1") : QStringLiteral("0"); }
    void SvuotaLista(const QString& n) override { stato[n + QStringLiteral(".voci")].clear(); }
    void InserisciVoce(const QString& n, int, const QString& t, int c) override { stato[n + QStringLiteral(".voci")] += t + u' ' + QString::number(c) + u';'; }
    bool Spuntato(const QString& n) const override { return stato.value(n) == QStringLiteral("1"); }
    int PosizioneScelta(const QString& n) const override { return stato.value(n, QStringLiteral("@-1")).mid(1).toInt(); }
    uint32_t ColoreDi(const QString& n) const override { return stato.value(n).mid(1).toUInt(); }

    // The expectations "name value" that do not hold, as "name: got".
    QStringList Differenze(const QStringList& attese) const
    {
        QStringList out;
        for (const QString& a : attese) {
            const QString nome = a.section(u' ', 0, 0), valore = a.section(u' ', 1);
            const QString avuto = stato.contains(nome) ? stato.value(nome) : QStringLiteral("<unset>");
            if (avuto != valore) out << nome + QStringLiteral(": ") + avuto + QStringLiteral(" (want ") + valore + u')';
        }
        return out;
    }
};
