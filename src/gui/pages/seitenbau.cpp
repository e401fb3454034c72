#include "pages/seitenbau.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>

#include "calc/betrag.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s ? s : "");
}

const FeldZusatz* ZusatzVon(const Seitenbeschreibung& b, std::string_view id) {
    for (const FeldZusatz& z : b.zusatz)
        if (id == z.id) return &z;
    return nullptr;
}

// One tab's grid and its next free row.
struct Gitter {
    QGridLayout* lay = nullptr;
    int zeile = 0;
    bool kopfDa = false;
    QString ueberschrift;        // the last heading across the tab
    std::map<int, QString> koepfe;  // the column headings of the rows below, by column
};

QWidget* NeuerReiter(QTabWidget* nb, const QString& titel, Gitter& g) {
    auto* rollen = new QScrollArea;
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    auto* innen = new QWidget;
    g.lay = new QGridLayout(innen);
    g.lay->setContentsMargins(6, 6, 6, 6);
    g.lay->setHorizontalSpacing(4);
    g.lay->setVerticalSpacing(3);
    rollen->setWidget(innen);
    nb->addTab(rollen, titel);
    return innen;
}

bool IstSieFeld(const FeldDef& d) {
    const std::string_view c = d.beschriftung;
    const std::string_view n = d.name;
    return c == "Ehefrau" || (n.size() > 3 && n.substr(n.size() - 3) == "Sie");
}

// The lists of means of transport offer the case's vehicles as well; the
// vehicle page's own kind list does not.
bool IstVerkehrsmittelListe(const FeldDef& d) {
    return d.typ == FeldTyp::Auswahl && std::string_view(d.seite) != "TF_FahrZ" &&
           std::string_view(d.auswahl) == " |PKW|Motorrad|Mofa/Moped|Fahrrad";
}

QWidget* SteuerAnlegen(const FeldDef& d, const FeldZusatz* z, const Seitenbeschreibung& b) {
    QWidget* w = nullptr;
    switch (d.typ) {
        case FeldTyp::Double:
        case FeldTyp::Ganzzahl: {
            auto* f = new BetragFeld;
            const char* maske = z && z->maske ? z->maske
                                : d.typ == FeldTyp::Double ? b.standardMaske
                                                           : "iiii";
            f->SetzeMaske(U(maske));
            if (z && (z->min != 0 || z->max != 0)) f->SetzeBereich(z->min, z->max);
            // A field is as wide as its mask.
            f->setFixedWidth(16 + 7 * static_cast<int>(std::strlen(maske)));
            w = f;
            break;
        }
        case FeldTyp::Datum: {
            auto* f = new DatumFeld;
            f->setFixedWidth(80);
            f->SetzeBereich(0, TagesNummer(3999, 12, 31),
                            QStringLiteral("Bitte Statuszeile beachten!"));
            w = f;
            break;
        }
        case FeldTyp::Auswahl: {
            auto* f = new AuswahlBox;
            f->SetzeEintraege(U(d.auswahl));
            // Lists of means of transport take the vehicles' names: the popup shows them whole.
            if (IstVerkehrsmittelListe(d)) {
                f->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                f->setMinimumContentsLength(5);
            } else {
                f->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            }
            w = f;
            break;
        }
        case FeldTyp::Boolesch: {
            const std::string_view n = d.name;
            const bool radio = n.size() > 2 && (n.ends_with("RB") || n.ends_with("Rb"));
            QAbstractButton* k = radio ? static_cast<QAbstractButton*>(new QRadioButton)
                                       : new QCheckBox;
            if (radio) k->setAutoExclusive(false);
            w = k;
            break;
        }
        case FeldTyp::Text: {
            auto* f = new EingabeFeld;
            f->setMaxLength(d.breite);
            // As wide as the text it holds, never wider: a long empty field
            // would promise room the record does not have.
            const int passend = 12 + f->fontMetrics().averageCharWidth() * (d.breite + 1);
            f->setMinimumWidth(std::min(200, passend));
            f->setMaximumWidth(passend);
            w = f;
            break;
        }
        case FeldTyp::Byte:
            return nullptr;
    }
    w->setObjectName(U(d.name));
    w->setProperty("hilfeNummer", int(d.nr));
    return w;
}

// A shown value the user does not type into: no edit, the background of a
// disabled field, yet reachable with Tab and named like every field.
void Gesperrt(QWidget* w) {
    Ergebnisfeld(qobject_cast<QLineEdit*>(w));
}

// The person a field of a person column belongs to: names ending in "Er" or
// "Sie", also before a running number ("AnteilSie3").
int Person(const FeldDef& d) {
    if (IstSieFeld(d)) return 2;
    std::string_view n = d.name;
    while (!n.empty() && n.back() >= '0' && n.back() <= '9') n.remove_suffix(1);
    if (n.ends_with("Sie") || n.ends_with("Ehefrau")) return 2;
    if (n.ends_with("Er") || n.ends_with("Stpfl") || std::string_view(d.beschriftung) == "Stpfl./Ehemann")
        return 1;
    return 0;
}

// A row with one field of each person.
bool PersonenZeile(const std::vector<Feld>& felder) {
    bool er = false, sie = false;
    for (Feld f : felder) {
        const int p = Person(Def(f));
        er = er || p == 1;
        sie = sie || p == 2;
    }
    return er && sie;
}

// How the fields of one row are named: by the row's caption (a field alone
// without one by the heading above it), in person columns with the person,
// under column headings with the heading, a check box "ja" by the question
// of its row.
struct Zeilennamen {
    QString zeile;
    QLabel* beschriftung;
    bool personen;
    const Gitter& g;

    void Benennen(QWidget* w, const FeldDef& d, size_t k, int spalte) const {
        auto* knopf = qobject_cast<QAbstractButton*>(w);
        if (knopf && Sprechtext(knopf->text()).size() > 3 && !personen) {
            FeldBenennen(w, knopf->text());
            return;
        }
        const int p = personen ? Person(d) : 0;
        const QString basis = Sprechtext(zeile).isEmpty() ? Sprechtext(g.ueberschrift) : Sprechtext(zeile);
        QString name = p ? Personenname(basis, p == 2) : basis;
        const QString eigen = Sprechtext(U(d.beschriftung));
        const auto kopf = g.koepfe.find(spalte);
        if (!p && kopf != g.koepfe.end() && !Sprechtext(kopf->second).isEmpty())
            name += (name.isEmpty() ? QString() : QStringLiteral(" – ")) + Sprechtext(kopf->second);
        // A further field of the row with a caption of its own that stands nowhere.
        else if (!p && k > 0 && !knopf && !eigen.isEmpty() && eigen != name)
            name += QStringLiteral(" – ") + eigen;
        FeldBenennen(w, name, k == 0 ? beschriftung : nullptr);
    }
};

// Two fields of one row never share a name: the later one says which end
// of a period it is, or its place.
void EindeutigInDerZeile(TForm11& seite, const std::vector<Feld>& felder) {
    QStringList namen;
    for (Feld f : felder) {
        QWidget* w = seite.Steuer(f);
        if (!w) continue;
        QString name = w->accessibleName();
        if (namen.contains(name)) {
            const std::string_view n = Def(f).name;
            name += n.ends_with("Bis") ? QStringLiteral(" – bis")
                    : n.ends_with("Von") || n.ends_with("Vom")
                        ? QStringLiteral(" – von")
                        : QStringLiteral(" (%1)").arg(namen.size() + 1);
            w->setAccessibleName(name);
        }
        namen << name;
    }
}

struct Zeile {
    std::vector<Feld> felder;
    const char* beschriftung = nullptr;  // hand row caption
    int schluessel = 0;
    int offset = 0;
};

}  // namespace

void SeiteAufbauen(TForm11& seite, const Seitenbeschreibung& b, int element) {
    seite.InfoTitelLbl()->setText(U(b.infoTitel));

    // The tabs, with the nested notebook where the descriptor asks for one.
    std::map<QString, Gitter> gitter;
    std::vector<std::pair<QString, QStringList>> verschachtelt;
    for (const QString& u : U(b.unterreiter).split(u';', Qt::SkipEmptyParts))
        verschachtelt.emplace_back(u.section(u'=', 0, 0), u.section(u'=', 1).split(u'|'));
    int innerNr = 0;
    for (const QString& t : U(b.reiter).split(u'|', Qt::SkipEmptyParts)) {
        auto v = std::find_if(verschachtelt.begin(), verschachtelt.end(),
                              [&](const auto& p) { return p.first == t; });
        if (v != verschachtelt.end()) {
            auto* traeger = new QWidget;
            auto* l = new QVBoxLayout(traeger);
            l->setContentsMargins(2, 2, 2, 2);
            auto* inner = new QTabWidget(traeger);
            inner->setObjectName(QStringLiteral("Nb%1").arg(++innerNr));
            l->addWidget(inner);
            seite.OvcNb()->addTab(traeger, t);
            for (const QString& i : v->second) NeuerReiter(inner, i, gitter[i]);
            continue;
        }
        NeuerReiter(seite.OvcNb(), t, gitter[t]);
    }

    // The page's fields, by tab; hand rows first take theirs.
    std::map<QString, std::vector<Zeile>> zeilen;
    std::vector<Feld> vergeben;
    for (const Zeilenplan& p : b.zeilen) {
        if (!*p.felder) {  // a heading row: captions over the field columns
            Zeile z;
            z.beschriftung = p.beschriftung;
            z.schluessel = -1;  // placed above the row that follows it
            zeilen[U(p.reiter)].push_back(z);
            continue;
        }
        Zeile z;
        z.beschriftung = p.beschriftung;
        for (const QString& id : U(p.felder).split(u' ', Qt::SkipEmptyParts))
            if (auto f = FeldNachId(id.toStdString())) {
                z.felder.push_back(*f);
                vergeben.push_back(*f);
            }
        if (z.felder.empty()) continue;
        z.schluessel = p.rang ? p.rang : Def(z.felder.front()).nr;
        z.offset = Def(z.felder.front()).offset;
        std::vector<Zeile>& liste = zeilen[U(p.reiter)];
        if (!liste.empty() && liste.back().felder.empty() && liste.back().schluessel == -1) {
            liste.back().schluessel = z.schluessel;
            liste.back().offset = z.offset - 1;
        }
        liste.push_back(z);
    }
    const auto katalog = Feldkatalog();
    for (size_t i = 0; i < katalog.size(); ++i) {
        const FeldDef& d = katalog[i];
        const Feld f = static_cast<Feld>(i);
        if (std::string_view(d.seite) != b.klasse || d.art == FeldArt::Berechnet) continue;
        if (d.art == FeldArt::Anzeige && d.typ == FeldTyp::Text) continue;  // a choice's text
        if (d.typ == FeldTyp::Byte) continue;
        const FeldZusatz* z = ZusatzVon(b, d.id);
        if (z && z->art == ZOhne) continue;
        if (std::find(vergeben.begin(), vergeben.end(), f) != vergeben.end()) continue;
        // Fields without a tab belong to the page's first tab.
        const QString reiter = *d.reiter ? U(d.reiter) : U(b.reiter).section(u'|', 0, 0);
        std::vector<Zeile>& liste = zeilen[reiter];
        auto it = std::find_if(liste.begin(), liste.end(), [&](const Zeile& r) {
            return !r.beschriftung && d.nr != 0 && r.schluessel == d.nr;
        });
        if (it != liste.end()) {
            it->felder.push_back(f);
        } else {
            Zeile r;
            r.felder.push_back(f);
            r.schluessel = d.nr;
            r.offset = d.offset;
            liste.push_back(r);
        }
    }

    // Fields of "&Info" (the page total) stand below the title and the picture.
    if (zeilen.count(QStringLiteral("&Info")) && !gitter.count(QStringLiteral("&Info"))) {
        QWidget* info = seite.OvcNb()->widget(0);
        auto* feld = new QWidget(info);
        Gitter& g = gitter[QStringLiteral("&Info")];
        g.lay = new QGridLayout(feld);
        g.lay->setContentsMargins(0, 12, 0, 0);
        g.lay->setHorizontalSpacing(4);
        g.lay->setColumnStretch(0, 1);
        static_cast<QVBoxLayout*>(info->layout())->insertWidget(2, feld);
    }

    const QStringList koepfe = U(b.spaltenkoepfe).split(u'|', Qt::SkipEmptyParts);
    for (auto& [reiter, liste] : zeilen) {
        auto git = gitter.find(reiter);
        if (git == gitter.end()) continue;  // a tab the descriptor does not show
        Gitter& g = git->second;
        std::stable_sort(liste.begin(), liste.end(), [](const Zeile& a, const Zeile& c) {
            return a.schluessel != c.schluessel ? a.schluessel < c.schluessel
                                                : a.offset < c.offset;
        });
        for (const Zeile& r : liste) {
            if (r.felder.empty()) {
                const QStringList teile = U(r.beschriftung).split(u'|');
                g.koepfe.clear();
                if (teile.size() == 1) g.ueberschrift = teile[0];
                for (int k = 1; k < teile.size(); ++k) g.koepfe[2 * k] = teile[k];
                for (int k = 0; k < teile.size(); ++k) {
                    auto* l = new QLabel(teile[k]);
                    l->setWordWrap(true);
                    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
                    // A heading of one part spans the row (group captions).
                    g.lay->addWidget(l, g.zeile, k == 0 ? 0 : 2 * k, 1, teile.size() == 1 ? -1 : 1);
                }
                ++g.zeile;
                continue;
            }
            const FeldDef& erst = Def(r.felder.front());
            const FeldZusatz* erstZ = ZusatzVon(b, erst.id);
            const bool paar = r.felder.size() == 2 && !r.beschriftung &&
                              IstSieFeld(Def(r.felder[1]));
            if (paar && koepfe.size() == 2 && !g.kopfDa) {
                g.kopfDa = true;
                for (int k = 0; k < 2; ++k) {
                    auto* l = new QLabel(koepfe[k]);
                    l->setObjectName(k == 0 ? QStringLiteral("KopfErLbl")
                                            : QStringLiteral("KopfSieLbl"));
                    l->setAlignment(Qt::AlignRight | Qt::AlignBottom);
                    g.lay->addWidget(l, g.zeile, 2 + 2 * k);
                }
                ++g.zeile;
            }
            QString text = r.beschriftung ? U(r.beschriftung)
                           : erstZ && erstZ->beschriftung ? U(erstZ->beschriftung)
                                                          : U(erst.beschriftung);
            // A check box or radio button that begins a row carries the row's caption.
            const bool knopfVorn = erst.typ == FeldTyp::Boolesch &&
                                   !(erstZ && erstZ->beschriftung) && !r.beschriftung &&
                                   text.size() > 3;
            const bool kastenZeile = knopfVorn && r.felder.size() == 1;
            QLabel* zeilenLbl = nullptr;
            if (!knopfVorn) {
                zeilenLbl = new QLabel(text.trimmed());
                zeilenLbl->setWordWrap(true);
                zeilenLbl->setObjectName(U(erst.name) + QStringLiteral("Lbl"));
                g.lay->addWidget(zeilenLbl, g.zeile, 0);
            }
            const Zeilennamen namen{text, zeilenLbl, paar || PersonenZeile(r.felder), g};
            for (size_t k = 0; k < r.felder.size(); ++k) {
                const Feld f = r.felder[k];
                const FeldDef& d = Def(f);
                const FeldZusatz* z = ZusatzVon(b, d.id);
                QWidget* w = SteuerAnlegen(d, z, b);
                if (!w) continue;
                auto* knopf = qobject_cast<QAbstractButton*>(w);
                if (knopf) knopf->setText(U(d.beschriftung).trimmed());
                if (kastenZeile) {
                    g.lay->addWidget(w, g.zeile, 0, 1, -1);
                } else if (knopfVorn && k == 0) {
                    g.lay->addWidget(w, g.zeile, 0);
                } else {
                    const int spalte = 2 + 2 * static_cast<int>(knopfVorn ? k - 1 : k);
                    if (k > 0 && !knopf && !IstSieFeld(d) && !r.beschriftung &&
                        std::string_view(d.beschriftung) != erst.beschriftung) {
                        auto* l = new QLabel(U(d.beschriftung).trimmed());
                        l->setObjectName(U(d.name) + QStringLiteral("Lbl"));
                        g.lay->addWidget(l, g.zeile, spalte - 1);
                        // "bis" alone says little: with the row's caption before it.
                        const QString zeile = Sprechtext(text);
                        FeldBenennen(w, zeile.isEmpty() || zeile == Sprechtext(l->text())
                                            ? l->text()
                                            : zeile + QStringLiteral(" – ") + Sprechtext(l->text()),
                                     l);
                    }
                    if (r.felder.size() == 1 && d.typ == FeldTyp::Text)
                        g.lay->addWidget(w, g.zeile, spalte, 1, -1);  // a long text takes the row
                    else if (d.typ == FeldTyp::Auswahl)
                        g.lay->addWidget(w, g.zeile, spalte, Qt::AlignLeft);
                    else
                        g.lay->addWidget(w, g.zeile, spalte);
                }
                if (w->accessibleName().isEmpty()) {
                    int z = 0, spalte = 0, h = 0, b = 0;
                    g.lay->getItemPosition(g.lay->indexOf(w), &z, &spalte, &h, &b);
                    namen.Benennen(w, d, k, spalte);
                }
                Bindung bi;
                bi.feld = f;
                bi.element = d.anzahl > 1 ? element : 1;
                bi.steuer = w;
                // Results of the page and list-filled fields are not typed into.
                bi.nurLesen = (z && z->art == ZNurLesen) || d.art == FeldArt::Anzeige;
                if (bi.nurLesen || (z && z->art == ZGesperrt)) Gesperrt(w);
                bi.verkehrsmittel = IstVerkehrsmittelListe(d);
                if (d.typ == FeldTyp::Auswahl)
                    for (Feld t : FelderNachName(d.name))
                        if (Def(t).typ == FeldTyp::Text && Def(t).art == FeldArt::Anzeige &&
                            std::string_view(Def(t).seite) == b.klasse)
                            bi.textFeld = t;
                seite.Bindungen().push_back(bi);
                if (!bi.nurLesen && !(z && z->art == ZGesperrt)) seite.FeldAnschliessen(w);
            }
            EindeutigInDerZeile(seite, r.felder);
            ++g.zeile;
        }
    }
    for (const Knopfplan& k : b.knoepfe) {
        auto git = gitter.find(U(k.reiter));
        if (git == gitter.end()) continue;
        auto* knopf = new QPushButton(U(k.text));
        knopf->setObjectName(U(k.name));
        const int n = k.jePerson ? k.liste + element : k.liste;
        if (n > 0) {
            QString titel = U(k.titel);
            if (k.jePerson)
                titel += element == 1 ? QStringLiteral("Stpfl.") : QStringLiteral("Ehegatte");
            const auto ziel = k.feld ? FeldNachId(k.feld) : std::nullopt;
            TForm11* s = &seite;
            const int hilfe = k.hilfeseite;
            QObject::connect(knopf, &QPushButton::clicked, s, [s, n, titel, hilfe, ziel] {
                s->ListeOeffnen(n, titel, hilfe, ziel ? s->Betrag(*ziel) : nullptr);
            });
        }
        // A list button stands beside the field its sum goes into.
        QWidget* ziel = k.feld ? seite.Steuer(*FeldNachId(k.feld)) : nullptr;
        if (!ziel || !NebenFeld(ziel, knopf))
            git->second.lay->addWidget(knopf, git->second.zeile++, 0, 1, 1, Qt::AlignLeft);
    }
    // The spare width goes right of the fields, so labels and fields stay together.
    // Captions wrap only when long, except on tables of many columns.
    for (auto& [name, g] : gitter) {
        g.lay->setRowStretch(g.zeile, 1);
        if (g.lay->columnCount() <= 5) g.lay->setColumnMinimumWidth(0, 150);
        g.lay->setColumnStretch(g.lay->columnCount(), 1);
    }
    for (const QString& gruppe : U(b.radiogruppen).split(u'|', Qt::SkipEmptyParts)) {
        std::vector<QAbstractButton*> knoepfe;
        for (const QString& id : gruppe.split(u' ', Qt::SkipEmptyParts))
            if (auto f = FeldNachId(id.toStdString())) knoepfe.push_back(seite.Kasten(*f));
        seite.Radiogruppe(std::move(knoepfe));
    }
}

// The label of a heading row on `reiter` whose text is `text`.
QLabel* Kopflabel(TForm11& s, const QString& reiter, const QString& text) {
    QWidget* r = s.Reiter(reiter);
    if (!r) return nullptr;
    for (QLabel* l : r->findChildren<QLabel*>())
        if (l->text() == text) return l;
    return nullptr;
}

// Captions of `reiter` in one line each where the descriptor breaks them itself.
void KeinUmbruch(TForm11& s, const QString& reiter) {
    if (QWidget* r = s.Reiter(reiter))
        for (QLabel* l : r->findChildren<QLabel*>()) l->setWordWrap(false);
}

// Moves a built control into column `spalte` of its row; the row, or -1.
int InSpalte(QWidget* w, int spalte) {
    auto* lay = w ? qobject_cast<QGridLayout*>(w->parentWidget()->layout()) : nullptr;
    if (!lay) return -1;
    int zeile = 0, alt = 0, hoehe = 0, breite = 0;
    lay->getItemPosition(lay->indexOf(w), &zeile, &alt, &hoehe, &breite);
    lay->removeWidget(w);
    lay->addWidget(w, zeile, spalte);
    return zeile;
}

bool NebenFeld(QWidget* feld, QWidget* neben) {
    auto* lay = feld && feld->parentWidget()
                    ? qobject_cast<QGridLayout*>(feld->parentWidget()->layout())
                    : nullptr;
    const int pos = lay ? lay->indexOf(feld) : -1;
    if (pos < 0) return false;
    int zeile = 0, spalte = 0, hoehe = 0, breite = 0;
    lay->getItemPosition(pos, &zeile, &spalte, &hoehe, &breite);
    // Below the row's caption, so that the field columns stay narrow.
    auto* stapel = new QWidget;
    auto* v = new QVBoxLayout(stapel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    if (QLayoutItem* alt = lay->itemAtPosition(zeile, 0); alt && alt->widget()) {
        QWidget* beschriftung = alt->widget();
        lay->removeWidget(beschriftung);
        v->addWidget(beschriftung);
    }
    v->addWidget(neben, 0, Qt::AlignLeft);
    lay->addWidget(stapel, zeile, 0);
    return true;
}

}  // namespace quarnel::gui
