// The official forms of the sample case: all 30 sheets of the form selection
// laid out on blank paper (with the sheet images) and written as a PDF file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "calc/deklaration.h"
#include "case/falldatei.h"
#include "print/berichtspieler.h"
#include "print/formular.h"
#include "print/formularauswahl.h"
#include "results/pruefung_texte.h"

namespace {

using namespace quarnel;

struct Formularfall {
    std::unique_ptr<CaseRecord> satz = std::make_unique<CaseRecord>();
    Einstellungen einst;
    Formularumgebung u;
    std::vector<int> blaetter;
    Formularfall() {
        Notizblock notizen;
        if (auto d = DateiLesen(QUARNEL_BEISPIEL, FallDateiGroesse); d && d->size() == FallDateiGroesse)
            AbbildZerlegen(*d, *satz, notizen);
        auto e = std::make_unique<CalcInput>();
        DeklarationFuellen(*satz, *e, false);
        ErststartWerteSetzen(einst);
        u.fall = satz.get();
        u.einst = &einst;
        u.formVerzeichnis = QUARNEL_FORMULARE;
        u.heute = 146900;
        for (const Formularposten& p : Formularposten30()) blaetter.push_back(p.blatt);
    }
};

void BM_AlleFormulareAlsPdf(benchmark::State& state) {
    static Formularfall f;
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("formulare.pdf"));
    gui::QtTextmass mass;
    int seiten = 0;
    for (auto _ : state) {
        Bericht b;
        Berichtschreiber w(mass, b);
        FormularblaetterSetzen(w, f.u, f.blaetter, true);
        seiten = b.Seitenzahl();
        if (!gui::PdfSchreiben(pfad, b, 1, 1 << 30, f.einst.formSkalierung))
            state.SkipWithError("PDF not written");
    }
    state.counters["Seiten"] = seiten;
}
BENCHMARK(BM_AlleFormulareAlsPdf)->Unit(benchmark::kMillisecond);

void BM_AlleFormulareSetzen(benchmark::State& state) {
    static Formularfall f;
    gui::QtTextmass mass;
    for (auto _ : state) {
        Bericht b;
        Berichtschreiber w(mass, b);
        FormularblaetterSetzen(w, f.u, f.blaetter, true);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_AlleFormulareSetzen)->Unit(benchmark::kMillisecond);

// The check of the texts cut to fit their boxes, as the check report runs it.
void BM_GekuerzteTextePruefen(benchmark::State& state) {
    static Formularfall f;
    gui::QtTextmass mass;
    for (auto _ : state) {
        Befundtabelle t;
        GekuerzteTexteMelden(f.u, mass, t);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_GekuerzteTextePruefen)->Unit(benchmark::kMillisecond);

}  // namespace
