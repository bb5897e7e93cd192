#pragma once
// Each family file registers its blocks through one of these; RegistraFamiglie
// (Elenco.cpp) calls them all. A static library drops object files nothing
// refers to, so registration goes through this list rather than static objects.
void RegistraComunicazione();        // Famiglia::Comunicazione
void RegistraAritmeticaSposta();     // Famiglia::Aritmetica, Famiglia::ScalaSposta
void RegistraBitConfronto();         // Famiglia::Bit, Famiglia::Confronto
void RegistraFlussoTempo();          // Famiglia::Flusso, Famiglia::Timer, Famiglia::Pid
