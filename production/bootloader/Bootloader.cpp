#include "production/bootloader/Bootloader.h"

#include "base/Attesa.h"
#include "comm/Collegamento.h"

#include <QElapsedTimer>
#include <QFile>

bool Bootloader::Apri()
{
    if (m_porta.isOpen()) return true;
    const QString nome = NomePortaSeriale(PortaBoot);
    if (nome.isEmpty()) return false;
    m_porta.setPortName(nome);
    if (!m_porta.open(QIODevice::ReadWrite)) return false;
    if (!ImpostaSeriale(m_porta, ImpostazioniBoot)) {
        m_porta.close();
        return false;
    }
    return true;
}

void Bootloader::Chiudi()
{
    if (m_porta.isOpen()) m_porta.close();
}

CaricamentoHex Bootloader::CaricaHex()
{
    QFile f(FileFirmware);
    if (!f.open(QIODevice::ReadOnly)) {
        Immagine.fill(0);
        return {EsitoHex::FileMancante, 0};
    }
    return ::CaricaHex(f.readAll(), Immagine);
}

EsitoIdentifica Bootloader::Identifica(IdentitaBoot& identita)
{
    if (!m_porta.isOpen()) return EsitoIdentifica::PortaChiusa;
    m_inCorso = true;
    m_interrotta = false;
    QElapsedTimer orologio;
    orologio.start();
    QByteArray risposta;
    EsitoIdentifica esito = EsitoIdentifica::Identificato;
    while (risposta.isEmpty()) {
        m_porta.write("\t");
        Attesa(PassoQuery);
        if (m_interrotta) {
            esito = EsitoIdentifica::Interrotta;
            break;
        }
        risposta = m_porta.readAll();
        if (risposta.isEmpty() && orologio.elapsed() >= TempoMassimo * 1000) {
            esito = EsitoIdentifica::NessunaRisposta;
            break;
        }
    }
    m_inCorso = false;
    if (esito == EsitoIdentifica::Identificato) identita = IdentitaBoot::Da(risposta);
    return esito;
}
