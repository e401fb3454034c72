// The notice of the sample case laid out and written as a PDF file, as the
// result window's "Als PDF speichern" does it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "case/falldatei.h"
#include "print/berichtspieler.h"
#include "print/listendruck.h"
#include "results/bescheid.h"

namespace {

using namespace quarnel;

struct Vorbereitet {
    Ergebnistext text;
    Vorbereitet() {
        auto satz = std::make_unique<CaseRecord>();
        Notizblock notizen;
        if (auto d = DateiLesen(QUARNEL_BEISPIEL, FallDateiGroesse); d && d->size() == FallDateiGroesse)
            AbbildZerlegen(*d, *satz, notizen);
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        DeklarationFuellen(*satz, *e, *r, false);
        Berechne(*e, *r);
        BescheidAngaben a;
        a.datum = "15.03.2002";
        BescheidTexteSetzen(*satz, a);
        BescheidErstellen(*satz, *e, *r, a, text);
    }
};

void BM_BescheidAlsPdf(benchmark::State& state) {
    static Vorbereitet v;
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bescheid.pdf"));
    gui::QtTextmass mass;
    Druckdaten d;
    d.ergebnis = &v.text;
    int seiten = 0;
    for (auto _ : state) {
        Bericht b = *TextauftragSetzen(Druckart::Ergebnis, d, Einstellungen{}, mass);
        seiten = b.Seitenzahl();
        if (!gui::PdfSchreiben(pfad, b)) state.SkipWithError("PDF not written");
    }
    state.counters["Seiten"] = seiten;
    state.counters["Zeilen"] = static_cast<double>(v.text.zeilen.size());
}
BENCHMARK(BM_BescheidAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
