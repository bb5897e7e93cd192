#include "blockeditor/EditorBloccoComandi.h"
#include "blockeditor/IconeBlocchi.h"

#include "blockeditor/Catalogo.h"
#include "blockeditor/comandi.h"
#include "program/Agganci.h"
#include "shell/Finestre.h"


namespace {
class EditorBloccoComandi : public EditorBlocco {
public:
    int FunzToOpt(int16_t classe, int16_t gruppo, uint8_t op) override { return ::FunzToOpt(classe, gruppo, op); }
    void ImpostaBersaglio(int processo, int rung) override { Dlg()->ImpostaBersaglio(processo, rung); }
    void SelezionaFunzione(int indice) override { Dlg()->SelezionaFunzione(indice); }
    void ImpostaEtichetta(const QString& testo) override { Dlg()->ImpostaEtichetta(testo); }
    void ImpostaArgomento(int riga, const QString& testo) override { Dlg()->ImpostaTestoRiga(riga, testo); }
    void ArgomentoClick(int riga) override { Dlg()->txt_Var_Click(riga); }
    void ImpostaDelay(const QString& testo) override { Dlg()->ImpostaDelay(testo); }
    void Mostra() override { Finestre::Mostra(Dlg()); }
    bool Conferma() override { return Dlg()->cmd_AddFunc_Click(); }
    void Chiudi() override
    {
        if (comandi* d = Finestre::SeCaricata<comandi>(); d && d->Caricato()) d->Form_Unload();
    }

private:
    // Loaded (again) on first use, as any reference to the window does.
    static comandi* Dlg()
    {
        comandi* d = Finestre::Get<comandi>();
        if (!d->Caricato()) d->Form_Load();
        return d;
    }
};
} // namespace

void InstallaEditorBlocco()
{
    static EditorBloccoComandi editor;
    ImpostaEditorBlocco(&editor);
    // The rung rows show the block pictures the editor draws.
    ImmagineBlocco = [](const QString& chiave, const QSize& dimensione) {
        return IconaBloccoDaChiave(chiave).pixmap(dimensione);
    };
}
