#pragma once
// The user's special folders, asked for by the classic folder ids so the
// callers keep the numbers they always used.
#include <QString>

// Folder ids understood here (a platform folder id, optionally with the
// "create when missing" flag).
constexpr int CSIDL_LOCAL_APPDATA = 0x001C;
constexpr int CSIDL_FLAG_CREATE = 0x8000;

// Path of the folder `id`. An id that names no folder shows "An invalid
// folder ID was specified"; a folder that does not exist (and was not to be
// created) shows "The folder does not exist"; both return an empty text.
QString GetSpecialFolder(int id);
