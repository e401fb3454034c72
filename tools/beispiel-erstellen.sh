#!/usr/bin/env bash
# Builds the sample case data/beispiele/Beispiel.S01: a married couple in
# Niedersachsen, both employed, two children, some capital income and
# Vorsorge. Usage: tools/beispiel-erstellen.sh [quarnel-cli [case file]]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/quarnel-cli}
fall=${2:-data/beispiele/Beispiel.S01}
rm -f "$fall"
"$cli" neu "$fall"
setze() { "$cli" setze "$fall" "$@"; }

# persons and tax office
setze StpflName=Mustermann StpflVorname=Thomas StpflGebDat=14.03.1962 \
      StpflStrasse="Lindenweg 12" StpflPlz=30159 StpflOrt=Hannover \
      EhegName=Mustermann EhegVorname=Sabine EhegGebDat=02.09.1965 \
      Grundtabelle=nein Splitting=ja ErSie_FamilienstandLB=1 \
      StpflReligionLB=0 StpflReligionVon=01.01.2001 StpflReligionBis=31.12.2001 \
      EhegReligionLB=1 EhegReligionVon=01.01.2001 EhegReligionBis=31.12.2001 \
      BundeslandLb=8 Finanzamt="Hannover-Nord" Steuernummer="25/123/45678"

# wage-tax cards: his first card, her first card
setze "Brutto[1]=68000" "LStBrutto[1]=11420" "SoliBrutto[1]=628,10" "KiStAnBrutto[1]=1027,80" \
      "Brutto[3]=31000" "LStBrutto[3]=3950" "SoliBrutto[3]=217,25" "KiStAnBrutto[3]=355,50"

# two children with Kindergeld (the residence first: the birth date then
# brings none of the child page's defaults, the sample keeps its own values)
setze "Vorname[1]=Lena" "InlandVom[1]=01.01.2001" "InlandBis[1]=31.12.2001" \
      "GebAm[1]=05.06.1992" "KindschaftZuEhemannLB[1]=2" \
      "KindschaftZuEhefrauLB[1]=2" "ErhKiGeld[1]=3240" \
      "Vorname[2]=Jonas" "InlandVom[2]=01.01.2001" "InlandBis[2]=31.12.2001" \
      "GebAm[2]=21.11.1995" "KindschaftZuEhemannLB[2]=2" \
      "KindschaftZuEhefrauLB[2]=2" "ErhKiGeld[2]=3240"

# capital income: savings interest of both with Zinsabschlag, dividends
# of the husband under the half-income method
setze "I_StpflCB[1]=3" "I_ArtZinsen[1]=1" "I_EinBetrag[1]=6000" "I_EinAnZAbKoerpSt[1]=1800" \
      "I_StpflCB[2]=1" "I_ArtDividende[2]=3" "I_EinBetrag[2]=2400" "I_EinAnKapErtSt[2]=480"

# Vorsorge
setze KrankenGez=2400 KrankenErg=2400 LebenGez=3600 LebenErg=3600 \
      HaftGez=300 HaftErg=300
echo "$fall"
