#include "production/molu/RichiestaUpload.h"

#include <QFile>
#include <QRandomGenerator>

namespace RichiestaUpload {

QByteArray CreaPostMultipart(const QByteArray& data, const QString& host, const QString& fieldName,
                             const QString& fileName, const QString& contentType, const QByteArray& boundary)
{
    const QByteArray crlf("\r\n");
    const QByteArray corpo = "--" + boundary + crlf +                                              //
                             "Content-Disposition: form-data; name=\"" + fieldName.toUtf8() +      //
                             "\"; filename=\"" + QFile::encodeName(fileName) + "\"" + crlf +        //
                             "Content-Type: " + contentType.toUtf8() + crlf +                       //
                             crlf +                                                                 //
                             data + crlf +                                                          //
                             "--" + boundary + "--";
    // The device's parser wants a comma before "boundary", not a semicolon.
    const QByteArray testa = "POST /mpfsupload HTTP/1.0" + crlf +                                   //
                             "Host: " + host.toUtf8() + crlf +                                       //
                             "Authorization: Basic xQ7vLm2PaR9tYc4W" + crlf +                        //
                             "Content-Type: multipart/form-data, boundary=" + boundary + crlf +      //
                             "Content-Length: " + QByteArray::number(corpo.size()) + crlf +          //
                             crlf;
    return testa + corpo;
}

QByteArray StringaCasuale(int n)
{
    static constexpr char kAlfabeto[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QByteArray out;
    for (int i = 0; i < n; ++i) out += kAlfabeto[QRandomGenerator::global()->bounded(int(sizeof kAlfabeto) - 1)];
    return out;
}

QByteArray LeggiFile(const QString& path, QString* errore)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *errore = path.isEmpty() ? QStringLiteral("No firmware file for this button and device") : f.errorString();
        return {};
    }
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        *errore = f.errorString();
        return {};
    }
    if (dati.isEmpty()) {
        *errore = QStringLiteral("Empty file: ") + path;
        return {};
    }
    errore->clear();
    return dati;
}

}  // namespace RichiestaUpload
