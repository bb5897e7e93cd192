#pragma once
// The firmware upload's request and what goes into it, as pure functions:
// the device's web server takes one multipart POST to "/mpfsupload" and
// answers nothing we use.
#include <QByteArray>
#include <QString>

namespace RichiestaUpload {

// The whole request: the HTTP/1.0 head (Content-Length counts the body
// only) and the multipart body, which ends with the closing boundary and no
// line end. fileName goes out as given (the local path, folders included).
QByteArray CreaPostMultipart(const QByteArray& data, const QString& host, const QString& fieldName,
                             const QString& fileName, const QString& contentType, const QByteArray& boundary);

// n characters drawn uniformly from 0-9, A-Z, a-z.
QByteArray StringaCasuale(int n);

// The file's bytes as they are. Empty with *errore set when it cannot be
// read; an empty file counts as unreadable, since an empty firmware must
// never reach a device.
QByteArray LeggiFile(const QString& path, QString* errore);

}  // namespace RichiestaUpload
