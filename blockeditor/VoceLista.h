#pragma once
#include <QString>

// One entry of a list: its text and its item data.
struct VoceLista {
    QString testo;
    int dato = 0;
    bool operator==(const VoceLista&) const = default;
};
