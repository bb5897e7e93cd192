#include "production/controllerbench/LineaStrumento.h"

#include "comm/Collegamento.h"

#include <QCoreApplication>
#include <QSerialPort>

LineaStrumento::LineaStrumento(const QString& nome, QObject* parent)
    : QObject(parent), m_seriale(new QSerialPort(this))
{
    setObjectName(nome);
    connect(m_seriale, &QSerialPort::readyRead, this, &LineaStrumento::Raccogli);
}

bool LineaStrumento::Apri(int porta, const QString& impostazioni)
{
    Chiudi();
    const QString nome = NomePortaSeriale(porta);
    if (nome.isEmpty())
        return false;
    m_seriale->setPortName(nome);
    if (!ImpostaSeriale(*m_seriale, impostazioni) || !m_seriale->open(QIODevice::ReadWrite)) {
        m_seriale->close();
        return false;
    }
    m_porta = porta;
    return true;
}

void LineaStrumento::Chiudi()
{
    if (m_seriale->isOpen())
        m_seriale->close();
    m_ricevuti.clear();
    m_porta = 0;
}

bool LineaStrumento::Aperta() const
{
    return m_seriale->isOpen();
}

bool LineaStrumento::Invia(const QByteArray& testo)
{
    if (!Aperta())
        return false;
    if (m_seriale->write(testo) != testo.size())
        return false;
    m_seriale->flush();
    return true;
}

void LineaStrumento::Raccogli()
{
    m_ricevuti += m_seriale->readAll();
}

QByteArray LineaStrumento::Leggi()
{
    Raccogli();
    return std::exchange(m_ricevuti, {});
}

int LineaStrumento::Disponibili() const
{
    return int(m_ricevuti.size() + (Aperta() ? m_seriale->bytesAvailable() : 0));
}

void LineaStrumento::Svuota()
{
    Leggi();
}

LineaStrumento& Seriale_switch()
{
    static auto* linea = new LineaStrumento(QStringLiteral("Seriale_switch"), QCoreApplication::instance());
    return *linea;
}
