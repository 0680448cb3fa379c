#include "text/TekstTabel.h"

namespace kx {

namespace {

// The built-in texts. The order is the interface: every caller reads a text by its index.
constexpr std::array<TBasisTekst, Teksten::Aantal> tabel{{
    {0, "mdiPlastokinetica.Caption", "Plastokinetica"},
    {1, "mnuBestand.Caption", "&Bestand"},
    {2, "mnuItemNieuw.Caption", "&Nieuw"},
    {3, "mnuItemOpenen.Caption", "&Openen..."},
    {4, "mnuItemOpslaan.Caption", "O&pslaan"},
    {5, "mnuItemOpslaanAls.Caption", "Ops&laan als..."},
    {6, "mnuItemAfsluiten.Caption", "&Afsluiten"},
    {7, "mnuConstructie.Caption", "&Constructie"},
    {8, "mnuItemStaaf.Caption", "&Staaf"},
    {9, "mnuSubitemStaafToevoegen.Caption", "Staaf &toevoegen"},
    {10, "mnuSubitemStaafVerwijderen.Caption", "Staaf &verwijderen"},
    {11, "mnuItemKnoop.Caption", "&Knoop"},
    {12, "mnuSubitemKnoopAanpassen.Caption", "Knoop &aanpassen"},
    {13, "mnuSubitemKnoopVerwijderen.Caption", "Knoop &verwijderen"},
    {14, "mnuItemBelasting.Caption", "&Belasting"},
    {15, "mnuSubitemBelastingToevoegen.Caption", "Belasting &toevoegen"},
    {16, "mnuSubitemBelastingVerwijderen.Caption", "Belasting &verwijderen"},
    {17, "mnuAnalyse.Caption", "&Analyse"},
    {18, "mnuItemConstructie.Caption", "&Constructie"},
    {19, "mnuItemHoeBezwijken.Caption", "&Hoe bezwijkt de constructie?"},
    {20, "mnuItemWanneerBezwijken.Caption", "&Wanneer bezwijkt de constructie?"},
    {21, "mnuItemKrachtsverdeling.Caption", "&Krachtsverdeling tijdens bezwijken"},
    {22, "mnuVenster.Caption", "&Venster"},
    {23, "mnuItemRangschikken.Caption", "&Vensters rangschikken"},
    {24, "mnuHelp.Caption", "&Help"},
    {25, "mnuItemHelponderwerpen.Caption", "&Help-onderwerpen..."},
    {26, "mnuItemTheorie.Caption", "De &theorie..."},
    {27, "mnuItemInfo.Caption", "&Info..."},
    {28, "grpConstructieAanpassen.Caption", "Constructie invoeren"},
    {29, "pnlStaafToevoegen.Caption", "Staaf toevoegen"},
    {30, "pnlStaafToevoegen.Hint", "Voeg een staaf toe aan de constructie"},
    {31, "pnlStaafVerwijderen.Caption", "Staaf verwijderen"},
    {32, "pnlStaafVerwijderen.Hint", "Verwijder een staaf"},
    {33, "pnlKnoopAanpassen.Caption", "Knoop aanpassen"},
    {34, "pnlKnoopAanpassen.Hint", "Pas een knoop aan"},
    {35, "pnlKnoopVerwijderen.Caption", "Knoop verwijderen"},
    {36, "pnlKnoopVerwijderen.Hint", "Verwijder een knoop"},
    {37, "pnlBelastingToevoegen.Caption", "Belasting toevoegen"},
    {38, "pnlBelastingToevoegen.Hint", "Voeg een belasting toe aan de constructie"},
    {39, "pnlBelastingVerwijderen.Caption", "Belasting verwijderen"},
    {40, "pnlBelastingVerwijderen.Hint", "Verwijder een belasting"},
    {41, "lblAanw.Caption", "Aanwijzing:"},
    {42, "lblAanwijzing.Caption - Staaf toevoegen",
     "Klik ter plaatse van een uiteinde; verplaats de muis naar het andere uiteinde; laat de "
     "muisknop los."},
    {43, "lblAanwijzing.Caption - Staaf verwijderen",
     "Klik op de te verwijderen staaf, de staaf wordt direct verwijderd!"},
    {44, "lblAanwijzing.Caption - Knoop aanpassen",
     "Klik met de rechter muisknop op de knoop en selecteer de gewenste uitvoering."},
    {45, "lblAanwijzing.Caption - Knoop verwijderen",
     "Klik op de te verwijderen knoop, de knoop en de aansluitende staven worden direct "
     "verwijderd!"},
    {46, "lblAanwijzing.Caption - Belasting toevoegen",
     "Klik t.p.v. de staart van de kracht, sleep de muis naar een staaf en laat de muisknop los."},
    {47, "lblAanwijzing.Caption - Belasting verwijderen",
     "Klik op de te verwijderen belasting, de belasting wordt direct verwijderd!"},
    {48, "grpAnalyseConstructie.Caption", "Analyse constructie/Uitvoerinstellingen"},
    {49, "pnlMinMax0.Caption - Minimaliseren", "ñ"},
    {50, "pnlMinMax0.Hint - Minimaliseren", "Verberg instellingen"},
    {51, "pnlMinMax0.Caption - Maximaliseren", "ò"},
    {52, "pnlMinMax0.Hint - Maximaliseren", "Toon instellingen"},
    {53, "pnlShowConstructie.Caption", "Constructie >>"},
    {54, "pnlShowConstructie.Hint", "Toon constructievenster"},
    {55, "chkTekenKnopen.Caption", "Teken knopen"},
    {56, "chkTekenStaven.Caption", "Teken staven"},
    {57, "chkTekenBelastingen.Caption", "Teken belastingen"},
    {58, "chkTekenGrid.Caption", "Teken grid"},
    {59, "chkTekenAssenstelsel.Caption", "Teken assenstelsel"},
    {60, "pnlMinMax1.Caption - Minimaliseren", "ñ"},
    {61, "pnlMinMax1.Hint - Minimaliseren", "Verberg instellingen"},
    {62, "pnlMinMax1.Caption - Maximaliseren", "ò"},
    {63, "pnlMinMax1.Hint - Maximaliseren", "Toon instellingen"},
    {64, "pnlShowHoeBezwijken.Caption", "Hoe bezwijkt de constructie? >>"},
    {65, "pnlShowHoeBezwijken.Hint", "Toon analysevenster: Hoe bezwijkt de constructie?"},
    {66, "chkStatOnbep.Caption", "Mate van statisch onbepaaldheid"},
    {67, "chkUitlegStatOnbep.Caption", "Uitleg"},
    {68, "chkMogBezwMech.Caption", "Mogelijke bezwijkmechanismen"},
    {69, "chkUitlegMogBezwMech.Caption", "Uitleg"},
    {70, "pnlMinMax2.Caption - Minimaliseren", "ñ"},
    {71, "pnlMinMax2.Hint - Minimaliseren", "Verberg instellingen"},
    {72, "pnlMinMax2.Caption - Maximaliseren", "ò"},
    {73, "pnlMinMax2.Hint - Maximaliseren", "Toon instellingen"},
    {74, "pnlShowWanneerBezwijken.Caption", "Wanneer bezwijkt de constructie? >>"},
    {75, "pnlShowWanneerBezwijken.Hint", "Toon analysevenster: Wanneer bezwijkt de constructie?"},
    {76, "cmbMechanisme - Maatgevend mechanisme", "Maatgevende mechanisme"},
    {77, "cmbMechanisme - Andere mechanismen - deel 1", "Werk mechanisme "},
    {78, "cmbMechanisme - Andere mechanismen - deel 2", " uit"},
    {79, "chkVirtArbVgl.Caption", "Virtuele arbeidsvergelijking"},
    {80, "chkUitlegVirtArbVgl.Caption", "Uitleg"},
    {81, "chkBezwijklast.Caption", "Bezwijklast"},
    {82, "chkUitlegBezwijklast.Caption", "Uitleg"},
    {83, "pnlMinMax3.Caption - Minimaliseren", "ñ"},
    {84, "pnlMinMax3.Hint - Minimaliseren", "Verberg instellingen"},
    {85, "pnlMinMax3.Caption - Maximaliseren", "ò"},
    {86, "pnlMinMax3.Hint - Maximaliseren", "Toon instellingen"},
    {87, "pnlShowKrachtsverdeling.Caption", "Krachtsverdeling tijdens bezwijken >>"},
    {88, "pnlShowKrachtsverdeling.Hint", "Toon analysevenster: Krachtsverdeling tijdens bezwijken"},
    {89, "chkMomentenlijn.Caption", "Momentenlijn"},
    {90, "chkUitlegMomentenlijn.Caption", "Uitleg"},
    {91, "chkOplegreacties.Caption", "Oplegreacties"},
    {92, "chkUitlegOplegreacties.Caption", "Uitleg"},
    {93, "frmConstructie.Caption", "Constructie"},
    {94, "tabConstructie - tabKnopen", "Knopen"},
    {95, "tabConstructie - tabStaven", "Staven"},
    {96, "tabConstructie - tabBelastingen", "Belastingen"},
    {97, "grdConstructie - tabKnopen - kolom 0", "#"},
    {98, "grdConstructie - tabKnopen - kolom 1", "X-coördinaat [m]"},
    {99, "grdConstructie - tabKnopen - kolom 2", "Y-coördinaat [m]"},
    {100, "grdConstructie - tabKnopen - kolom 3", "Soort knoop"},
    {101, "grdConstructie - tabStaven - kolom 0", "#"},
    {102, "grdConstructie - tabStaven - kolom 1", "Beginknoop"},
    {103, "grdConstructie - tabStaven - kolom 2", "Eindknoop"},
    {104, "grdConstructie - tabStaven - kolom 3", "Mp [kNm]"},
    {105, "grdConstructie - tabBelastingen - kolom 0", "#"},
    {106, "grdConstructie - tabBelastingen - kolom 1", "Knoop"},
    {107, "grdConstructie - tabBelastingen - kolom 2", "X-coördinaat [m]"},
    {108, "grdConstructie - tabBelastingen - kolom 3", "Y-coördinaat [m]"},
    {109, "grdConstructie - tabBelastingen - kolom 4", "Fx [-]"},
    {110, "grdConstructie - tabBelastingen - kolom 5", "Fy [-]"},
    {111, "grdConstructie - Soorten knopen 1", "Vaste verbinding"},
    {112, "grdConstructie - Soorten knopen 2", "Scharnierende verbinding"},
    {113, "grdConstructie - Soorten knopen 3", "Horizontale roloplegging"},
    {114, "grdConstructie - Soorten knopen 4", "Verticale roloplegging"},
    {115, "grdConstructie - Soorten knopen 5", "Scharnierende oplegging"},
    {116, "grdConstructie - Soorten knopen 6", "Inklemming"},
    {117, "frmHoeBezwijken.Caption", "Hoe bezwijkt de constructie?"},
    {118, "frmWanneerBezwijken.Caption", "Wanneer bezwijkt de constructie?"},
    {119, "frmKrachtsverdeling.Caption", "Krachtsverdeling tijdens bezwijken"},
    {120, "frmVoortgang.Caption", "Voortgang analyse"},
    {121, "frmInfo.Caption", "Info"},
    {122, "lblInfo.Caption",
     "Plastokinetica:\r\nMet behulp van virtuele arbeid wordt de bezwijklast van een eenvoudige "
     "constructie bepaald."
     "\r\n\r\n"
     "Het programma hoort bij het vak Constructieve Mechanica (plasticiteitsleer) en laat zien hoe "
     "een raamwerk bezwijkt."
     "\r\n\r\n"
     "Plastokinetica-ontwikkelaars, december 2026."},
    {123, "frmStartInfo.Caption", "Kx - Plastokinetica"},
    {124, "pnlVoorbeeld.Caption", "Voorbeeld"},
    {125, "pnlVoorbeeld.Hint", "Met een voorbeeldconstructie starten"},
    {126, "pnlNieuw.Caption", "Nieuw"},
    {127, "pnlNieuw.Hint", "Een nieuwe constructie maken"},
    {128, "lblStartInfo.Caption",
     "Plastokinetica:\r\nMet behulp van virtuele arbeid wordt de bezwijklast van een eenvoudige "
     "constructie bepaald."
     "\r\n\r\n"
     "Het programma hoort bij het vak Constructieve Mechanica (plasticiteitsleer) en laat zien hoe "
     "een raamwerk bezwijkt."
     "\r\n\r\n"
     "Druk op 'Voorbeeld' en op 'Hoe bezwijkt de constructie? >>' om snel een plastokinetica uit "
     "te kunnen voeren. Druk op 'Nieuw' en op 'Staaf toevoegen' om zelf een constructie te tekenen "
     "en te analyseren."
     "\r\n\r\n"
     "Plastokinetica-ontwikkelaars, december 2026."},
    {129, "chkOpstartInfo.Caption", "Dit venster de volgende keer tonen."},
    {130, "imaBezweken.Hint", "Bezweken onder het gewicht van 18 ton."},
    {131, "dlgOpen.Filter", "Alle bestanden (*.*)|*.*|Constructies (*.kx)|*.kx"},
    {132, "dlgOpslaan.Filter", "Alle bestanden (*.*)|*.*|Constructies (*.kx)|*.kx"},
    {133, "Virtuele arbeidsvergelijking 1", "¬dA = "},
    {134, "Virtuele arbeidsvergelijking 2", " ¬× "},
    {135, "Virtuele arbeidsvergelijking 3", " ¬× ¬d¬q "},
    {136, "Virtuele arbeidsvergelijking 4", "deel "},
    {137, "Virtuele arbeidsvergelijking 5", "belasting"},
    {138, "Virtuele arbeidsvergelijking 6", " = 0"},
    {139, "MessageDlg - Constructie is nog niet opgeslagen",
     "De constructie is veranderd, maar nog niet opgeslagen. Moet dit alsnog gebeuren?"},
    {140, "Wanneer bezwijkt de constructie? - Titel", "Wanneer bezwijkt de constructie?"},
    {141, "Wanneer bezwijkt de constructie? - Kop", "**g· Virtuele arbeidsvergelijking"},
    {142, "Wanneer bezwijkt de constructie? - Uitleg",
     "De rood/gele scharnieren zijn plastische scharnieren. Op de uiteinden van de aansluitende "
     "staven wordt een volplastisch moment getekend. De pijlrichting van de momenten is gericht "
     "van de trek- naar de drukzone. De drukzone zit aan de kant waar het materiaal samengeperst "
     "wordt, dit is dus de kant waar de hoek tussen de twee staven kleiner wordt als gevolg van "
     "het vervormen.\r\n\r\nDe virtuele arbeid is de 'kracht' vermenigvuldigd met de 'afstand'. In "
     "het geval van de plastische momenten moet dit moment **g´ hoekverdraaiing zijn. Alle arbeid "
     "bij elkaar moet gelijk zijn aan nul:"},
    {143, "Wanneer bezwijkt de constructie? - Kop", "**g· Bezwijklast"},
    {144, "Wanneer bezwijkt de constructie? - Uitleg",
     "De **gdq kan uit de vergelijking worden weggestreept. Het volgende blijft over:"},
    {145, "Wanneer bezwijkt de constructie? - Uitleg",
     "Dit is een eenvoudig op te lossen vergelijking, de bezwijklast Fp is dus:"},
    {146, "Wanneer bezwijkt de constructie? - Uitleg",
     "Van alle mogelijke mechanismen is dit de laagste bezwijklast, dit is dus het juiste "
     "bezwijkmechanisme."},
    {147, "Wanneer bezwijkt de constructie? - Uitleg",
     "Van alle mogelijke mechanismen is dit NIET de laagste bezwijklast, dit is dus NIET het "
     "juiste bezwijkmechanisme."},
    {148, "lblVoortgang - stap 1 van het 2e gedeelte",
     "\r\nArrays met vervangende mechanismen vullen..."},
    {149, "lblVoortgang - stap 2 van het 2e gedeelte",
     "\r\n   Rotatiecentra van de staven bepalen..."},
    {150, "lblVoortgang - stap 3 van het 2e gedeelte", "\r\n   Constructie vervormen..."},
    {151, "lblVoortgang - stap 4 van het 2e gedeelte", "\r\n   Plastische momenten bepalen..."},
    {152, "lblVoortgang - stap 5 van het 2e gedeelte",
     "\r\n   Virtuele arbeidsvergelijking opstellen..."},
    {153, "lblVoortgang - stap 6a van het 2e gedeelte", "\r\n   Bezwijklast bepalen..."},
    {154, "lblVoortgang - stap 7 van het 2e gedeelte", "\r\nMaatgevend mechanisme bepalen..."},
    {155, "lblVoortgang - Mechanisme", "\r\nMechanisme "},
    {156, "lblVoortgang - OK", " --> OK"},
    {157, "lblVoortgang - t/m", " t/m "},
    {158, "chkOpstartInfo.Caption", "Het opstartscherm de volgende keer tonen."},
    {159, "Hoe bezwijkt de constructie? - Titel", "Hoe bezwijkt de constructie?"},
    {160, "Hoe bezwijkt de constructie? - Kop", "**g· Mate van statisch onbepaaldheid"},
    {161, "Hoe bezwijkt de constructie? - Kop", "**g· Mogelijke bezwijkmechanismen"},
    {162, "Hoe bezwijkt de constructie? - Uitleg",
     "Het aantal mogelijke mechanismen is afhankelijk van het aantal mogelijke plaatsen waar een "
     "scharnier kan ontstaan en het aantal scharnieren dat nodig is om een mechanisme te "
     "vormen.\r\n\r\nEr zijn 5 plaatsen in een constructie waar plastische scharnieren kunnen "
     "ontstaan:\r\n**g·  Bij de uiteinden van staven, hoekpunten;\r\n**g·  Bij "
     "inklemmingen;\r\n**g·  Bij puntlasten;\r\n**g·  Bij plaatsen waar het volplastische moment "
     "van de doorsnede verandert;\r\n**g·  Bij verdeelde belastingen, de exacte plaats is meestal "
     "niet van te voren bekend.\r\n\r\nHet aantal mogelijke mechanismen in deze constructie wordt "
     "via de volgende weg berekend:"},
    {163, "Hoe bezwijkt de constructie? - Uitleg", "De constructie is "},
    {164, "Hoe bezwijkt de constructie? - Uitleg",
     "-voudig statisch onbepaald; er zijn dus (ten hoogste) "},
    {165, "Hoe bezwijkt de constructie? - Uitleg",
     " plastische scharnieren nodig om een bezwijkmechanisme te vormen.\r\nIn de constructie kan "
     "op "},
    {166, "Hoe bezwijkt de constructie? - Uitleg",
     " plaatsen een plastisch scharnier ontstaan.\r\nHet aantal combinaties van "},
    {167, "Hoe bezwijkt de constructie? - Uitleg", " uit "},
    {168, "Hoe bezwijkt de constructie? - Uitleg", " is:"},
    {169, "Hoe bezwijkt de constructie? - Uitleg", "Mechanisme "},
    {170, "Hoe bezwijkt de constructie? - Uitleg", " (Maatgevend)"},
    {171, "Hoe bezwijkt de constructie? - Uitleg", "¬Ü Vorige"},
    {172, "Hoe bezwijkt de constructie? - Uitleg", "    "},
    {173, "Hoe bezwijkt de constructie? - Uitleg", "Volgende ¬Þ"},
    {174, "frmHelpOnderwerpen.Caption", "Help-onderwerpen"},
    {175, "frmDeTheorie.Caption", "De theorie"},
    {176, "Nog niet af", "Dit onderdeel is helaas nog niet uitgewerkt."},
    {177, "Krachtsverdeling tijdens bezwijken - titel", "Krachtsverdeling tijdens bezwijken"},
    {178, "Krachtsverdeling tijdens bezwijken - kop", "**g· Momentenlijn"},
    {179, "Krachtsverdeling tijdens bezwijken - kop", "**g· Oplegreacties"},
    {180, "Hoe bezwijkt de constructie? - uitleg",
     "De mate van statisch onbepaaldheid is het verschil tussen het aantal onbekenden en het "
     "aantal evenwichtsvergelijkingen.\r\nDe onbekenden zijn alle inwendige krachten aan de "
     "staafuiteinden en alle oplegreacties, in dit geval "},
    {181, "Hoe bezwijkt de constructie? - uitleg",
     ".\r\nEr zijn drie evenwichtsvergelijkingen per staaf, twee per scharnier en drie per starre "
     "verbinding, in totaal zijn er in dit geval "},
    {182, "Hoe bezwijkt de constructie? - uitleg", " evenwichtsvergelijkingen."},
    {183, "Hoe bezwijkt de constructie? - uitleg", "Deze constructie is "},
    {184, "Hoe bezwijkt de constructie? - uitleg", "-voudig statisch onbepaald."},
    {185, "lblVoortgang - stap 1 van het 1e gedeelte", "Mechanismes bepalen..."},
    {186, "frmConstructie.lblZoomen", "Zoomen:"},
    {187, "frmConstructie.lblFijnheid", "Fijnheid:"},
    {188, "frmConstructie.Schaal", "Schaal [m/hokje]"},
    {189, "frmConstructie.lblGevondenKnoop", "Gevonden Knoop"},
    {190, "frmConstructie.lblGevondenStaaf", "Gevonden Staaf"},
    {191, "frmConstructie.lblGevondenBelasting", "Gevonden Belasting"},
    {192, "frmConstructie.popupStaven", "Mp.."},
    {193, "frmConstructie.popupStaven", "Verwijderen"},
    {194, "frmConstructie.popupKnopen", "Scharnierende oplegging"},
    {195, "frmConstructie.popupKnopen", "Inklemming"},
    {196, "frmConstructie.popupKnopen", "Rolscharnier horizontaal"},
    {197, "frmConstructie.popupKnopen", "Rolscharnier verticaal"},
    {198, "frmConstructie.popupKnopen", "Geen oplegging"},
    {199, "frmConstructie.popupKnopen", "Scharnierende verbinding"},
    {200, "frmConstructie.popupKnopen", "Vaste verbinding"},
    {201, "frmConstructie.popupKnopen", "Verwijderen"},
    {202, "frmConstructie.popupBelastingen", "Verwijderen"},
    {203, "maxStaven", "staven is het maximum"},
    {204, "maxBelastingen", "belastingen is het maximum"},
    {205, "Belasting verdeelt de staaf.",
     "Deze belasting verdeelt de staaf. U heb het maximum aantal staven bereikt."},
    {206, "Fout: Foute constructie", "Deze constructie is niet mogelijk. "},
    {207, "Fout: ",
     "Deze constructie heeft niet genoeg plaatsen waar een plastische scharnier op kan treden. "},
    {208, "Fout: ", "U hebt te weinig oplegreacties. "},
    {209, "Fout: ", "U hebt teveel oplegreacties. "},
    {210, "Fout: ", "Er zijn teveel opleggingen. "},
    {211, "Fout: ", "Er zijn te weinig opleggingen. "},
    {212, "Fout: ", "U hebt teveel vrije uiteinden. "},
    {213, "Fout: ", "Er staan geen krachten op de constructie. "},
    {214, "Fout: ", "Er is geen Mp opgegeven voor staaf nummer "},
    {215, "lblVoortgang - stap 6b van het 2e gedeelte",
     "\r\n   Momentenlijn en oplegreacties bepalen..."},
    {216, "mnuItemKopieren.Caption", "&Kopiëren"},
    {TekstTaalkeuzeHint, "cmbTaal.Hint", "De taal van het programma, vanaf de volgende start"},
    {TekstOpslaanMislukt, "Bestand - opslaan mislukt",
     "Het bestand \"%1\" kan niet worden opgeslagen: %2."},
    {TekstLezenMislukt, "Bestand - lezen mislukt",
     "Het bestand \"%1\" kan niet worden gelezen: %2."},
    {TekstFoutGeenToestemming, "Bestand - reden", "u hebt daarvoor geen toestemming"},
    {TekstFoutMapBestaatNiet, "Bestand - reden", "de map bestaat niet"},
    {TekstFoutBestaatNiet, "Bestand - reden", "het bestand bestaat niet"},
    {TekstFoutSchijfVol, "Bestand - reden", "de schijf is vol"},
    {TekstFoutSchijfAlleenLezen, "Bestand - reden", "de schijf is alleen-lezen"},
    {TekstFoutBestandAlleenLezen, "Bestand - reden", "het bestand is alleen-lezen"},
    {TekstFoutIsMap, "Bestand - reden", "dit is een map, geen bestand"},
    {TekstFoutGeenGewoonBestand, "Bestand - reden", "dit is geen gewoon bestand"},
    {TekstFoutTeGroot, "Bestand - reden", "het bestand is groter dan %1 kB"},
    {TekstFoutOverig, "Bestand - reden", "het besturingssysteem meldt een fout (%1)"},
    {TekstFoutOngeldigGetal, "Bestand - reden", "de constructie bevat een ongeldig getal"},
    {TekstVertalingGenegeerd, "Vertaling - genegeerd",
     " De ingebouwde teksten blijven in gebruik."},
    {TekstStaafBeginGeweigerd, "lblAanwijzing.Caption - Staaf begint niet",
     "Hier kan geen staaf beginnen: deze knoop heeft al twee verbindingen."},
    {TekstStaafEindGeweigerd, "lblAanwijzing.Caption - Staaf eindigt niet",
     "Hier kan de staaf niet eindigen: deze knoop heeft al twee verbindingen."},
    {TekstStavenVolAanwijzing, "lblAanwijzing.Caption - Staven vol",
     "15 staven is het maximum: verwijder eerst een staaf."},
    {TekstDrieStaven, "Fout: drie staven",
     "Er komen drie of meer staven samen in een knoop; dat kan dit programma niet berekenen. "
     "Het gaat om knoop nummer "},
    {TekstCoordinatenTeGroot, "Fout: coördinaten",
     "Een knoop ligt te ver weg: coördinaten mogen hoogstens 10000 m groot zijn. "},
    {TekstMpBuitenGrenzen, "Fout: Mp-grenzen", "Een Mp moet tussen 0,001 en 1000000 kNm liggen. "},
    {TekstBelastingBuitenGrenzen, "Fout: belastinggrenzen",
     "De componenten van een belasting moeten 0 zijn of tussen 0,001 en 1000000 F liggen. "},
    {TekstBeweeglijk, "Fout: beweeglijk",
     "De constructie kan al bewegen voordat er een plastisch scharnier optreedt: zij heeft geen "
     "sterkte. Voeg een oplegging of een stijve verbinding toe. "},
    {TekstGelijkAan, "Hoe bezwijkt de constructie? - Gelijk aan", " (gelijk aan mechanisme "},
    {TekstKrachtMechanisme, "Krachtsverdeling mechanisme",
     "Momentenlijn van mechanisme %1 bij Fp = %2 kN, in kNm:"},
    {TekstKrachtUitlegMomentenlijn, "Krachtsverdeling uitleg momentenlijn",
     "In de plastische scharnieren van het mechanisme werkt het volle plastische moment Mp, met "
     "het teken van hun rotatie. Met de bezwijklast Fp volgt uit het evenwicht de momentenlijn van "
     "de hele constructie. De krachten grijpen alleen in de knopen aan, dus de momentenlijn is "
     "recht tussen de knopen; zij staat aan de getrokken zijde van iedere staaf. Volgens de "
     "statische stelling is iedere belasting waarbij een momentenlijn in evenwicht nergens Mp "
     "overschrijdt een ondergrens van de bezwijklast, en volgens de kinematische stelling is de Fp "
     "van ieder mechanisme een bovengrens. Blijft de momentenlijn van een mechanisme overal binnen "
     "Mp, dan vallen beide grenzen samen: dan is Fp de bezwijklast."},
    {TekstKrachtBevestigd, "Krachtsverdeling bevestigd",
     "De momentenlijn blijft overal binnen Mp: dit mechanisme is het bezwijkmechanisme en Fp = %1 "
     "kN is de bezwijklast."},
    {TekstKrachtOverschreden, "Krachtsverdeling overschreden",
     "De momentenlijn overschrijdt Mp in %1. Dit mechanisme is dus niet het bezwijkmechanisme: Fp "
     "= %2 kN is te hoog."},
    {TekstKrachtOndergrens, "Krachtsverdeling ondergrens",
     "De grootste verhouding |M| / Mp is %1. Deelt u alle krachten hierdoor, dan blijft de "
     "momentenlijn binnen Mp: Fp / %1 = %2 kN is een ondergrens van de bezwijklast."},
    {TekstKrachtWareLast, "Krachtsverdeling ware bezwijklast",
     "Volgens de statische stelling is de bezwijklast %1 kN: de grootste belasting waarbij een "
     "momentenlijn in evenwicht nergens Mp overschrijdt. Die momentenlijn bereikt Mp in %2."},
    {TekstKrachtGeenArbeid, "Krachtsverdeling geen arbeid",
     "Bij dit mechanisme verrichten de belastingen geen arbeid (Fp = oneindig): er hoort geen "
     "krachtsverdeling bij."},
    {TekstKrachtGeenEvenwicht, "Krachtsverdeling geen evenwicht",
     "Bij dit mechanisme bestaat bij Fp geen krachtsverdeling in evenwicht."},
    {TekstKrachtKnoop, "Krachtsverdeling knoop", "knoop %1 (%2 kNm, Mp = %3 kNm)"},
    {TekstKrachtKnopen, "Krachtsverdeling knopen", "knoop %1"},
    {TekstKrachtWareLastOneindig, "Krachtsverdeling ware bezwijklast oneindig",
     "Volgens de statische stelling kan de constructie deze belastingen zonder buigend moment "
     "dragen: zij bezwijkt er niet door buiging."},
    {TekstKrachtUitlegOplegreacties, "Krachtsverdeling uitleg oplegreacties",
     "De oplegreacties houden de constructie bij de bezwijklast samen met de belastingen in "
     "evenwicht. Iedere pijl geeft de richting van een reactie, een boog het moment van een "
     "inklemming; de belastingen staan er grijs bij, vermenigvuldigd met Fp. In evenwicht is de "
     "som van alle horizontale krachten nul en ook die van alle verticale krachten. Reken de "
     "sommen hieronder na: naar rechts en omhoog tellen positief."},
    {TekstKrachtReacties, "Krachtsverdeling reacties",
     "Oplegreacties van mechanisme %1 bij Fp = %2 kN:"},
    {TekstAfdrukken, "mnuItemAfdrukken.Caption", "Af&drukken..."},
    {TekstExporteren, "mnuItemExporteren.Caption", "&Exporteren..."},
    {TekstExportFilter, "dlgExporteren.Filter",
     "PDF-document (*.pdf)|*.pdf|SVG-tekening (*.svg)|*.svg|PNG-afbeelding (*.png)|*.png"},
    {TekstMechanismeTabel, "chkMechanismeTabel.Caption", "Tabel van de mechanismen"},
    {TekstKolomMechanisme, "grdMechanismen.Mechanisme", "Mechanisme"},
    {TekstKolomScharnieren, "grdMechanismen.Scharnieren", "Draaiende scharnieren in knoop"},
    {TekstKolomBezwijklast, "grdMechanismen.Bezwijklast", "Fp (kN)"},
    {TekstKolomMomentverhouding, "grdMechanismen.Momentverhouding", "Grootste |M|/Mp"},
    {TekstOngedaanMaken, "mnuItemOngedaanMaken.Caption", "Ongedaan maken"},
    {TekstOpnieuw, "mnuItemOpnieuw.Caption", "Opnieuw"},
    {TekstOngedaanMakenStap, "mnuItemOngedaanMaken.Caption - met stap", "Ongedaan maken: %1"},
    {TekstOpnieuwStap, "mnuItemOpnieuw.Caption - met stap", "Opnieuw: %1"},
    {TekstStapStaafToevoegen, "Stap - staaf toevoegen", "staaf toevoegen"},
    {TekstStapStaafVerwijderen, "Stap - staaf verwijderen", "staaf verwijderen"},
    {TekstStapKnoopVerplaatsen, "Stap - knoop verplaatsen", "knoop verplaatsen"},
    {TekstStapKnoopVerwijderen, "Stap - knoop verwijderen", "knoop verwijderen"},
    {TekstStapBelastingToevoegen, "Stap - belasting toevoegen", "belasting toevoegen"},
    {TekstStapBelastingVerwijderen, "Stap - belasting verwijderen", "belasting verwijderen"},
    {TekstStapOplegging, "Stap - oplegging", "oplegging wijzigen"},
    {TekstStapVerbinding, "Stap - verbinding", "verbinding wijzigen"},
    {TekstStapMp, "Stap - Mp", "Mp wijzigen"},
    {TekstStapSchaal, "Stap - schaal", "schaal wijzigen"},
    {TekstStapKnoopPositie, "Stap - knoopcoördinaat", "knoopcoördinaat wijzigen"},
    {TekstStapBelastingGrootte, "Stap - belastingcomponent", "belasting wijzigen"},
    {TekstStapNieuw, "Stap - nieuw", "nieuwe constructie"},
    {TekstStapVoorbeeld, "Stap - voorbeeld", "voorbeeldconstructie"},
    {TekstInvoerGeenGetal, "lblAanwijzing.Caption - geen getal",
     "Typ een getal, bijvoorbeeld 7,5. De oude waarde blijft staan."},
    {TekstInvoerCoordinaat, "lblAanwijzing.Caption - coördinaat",
     "Een coördinaat ligt tussen 0 en %1 m. De oude waarde blijft staan."},
    {TekstInvoerKnoopBezet, "lblAanwijzing.Caption - plaats bezet",
     "Op die plaats staat al een knoop. De oude waarde blijft staan."},
    {TekstInvoerMp, "lblAanwijzing.Caption - Mp",
     "Mp is een geheel getal van 1 tot en met 999 kNm. De oude waarde blijft staan."},
    {TekstInvoerBelasting, "lblAanwijzing.Caption - belasting",
     "Een belastingcomponent ligt tussen -%1 en %1 F. De oude waarde blijft staan."},
    {TekstInvoerBelastingNul, "lblAanwijzing.Caption - belasting nul",
     "Een belasting kan niet nul zijn; verwijder haar met het gereedschap. De oude waarde blijft "
     "staan."},
    {TekstBestandVervangen, "Opslaan - vervangen",
     "Het bestand \"%1\" bestaat al. Wilt u het vervangen?"},
}};

consteval bool IndexenOpVolgorde() {
    for (int i = 0; i < Teksten::Aantal; ++i) {
        if (tabel[i].Index != i || tabel[i].Sleutel.empty()) {
            return false;
        }
    }
    return true;
}

static_assert(IndexenOpVolgorde(), "every text needs a key and its own index in table order");

} // namespace

const std::array<TBasisTekst, Teksten::Aantal>& BasisTeksten() {
    return tabel;
}

} // namespace kx
