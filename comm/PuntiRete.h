#pragma once
// Network endpoints of the I/O-configuration and production tools (time
// server, test benches, devices under test, upload port, FTP server). They
// are read at every use, so a change to the file or the environment counts
// from the next click. Order: the environment variable WORKBENCH_<KEY> (key
// upper-cased, "/" as "_"; e.g. WORKBENCH_ORA_HOST), then the key in the
// settings file "endpoints.ini" of the folder the program was started in
// (another file with WORKBENCH_ENDPOINTS=<path>, relative to that folder),
// then the built-in default. README lists them.
#include <QString>

namespace PuntiRete {

// The value in force for chiave ("ora/host"); empty for an unknown key.
QString Valore(const QString& chiave);

// Valore as a whole number; the built-in default when the text is not one.
int Intero(const QString& chiave);

// The settings file consulted (WORKBENCH_ENDPOINTS or "endpoints.ini"), as
// a full path. The folder it is found from is the one the program started
// in, whatever the current directory has become since.
QString PercorsoFile();

}  // namespace PuntiRete
