#include "launchtable.h"

#include "buttondemos.h"
#include "eyedemos.h"
#include "keydemos.h"
#include "mediademos.h"
#include "meterdemos.h"
#include "portdemos.h"
#include "potidemos.h"
#include "segdemos.h"
#include "timerdemos.h"

namespace VeltorDemo {

const char* const kExitButton = "ExitBtn";
const char* const kAboutButton = "AboutBtn";
const char* const kShadeButton = "ShadeBtn";
const char* const kRollFormButton = "RollFormBtn";

QString TLaunchButton::Hint() const {
  return QString::fromUtf8(ShortHint) + QLatin1Char('|') + QString::fromUtf8(LongHint);
}

// A button opens the dialog its factory names, Dialog<TBevelDemo>(); the
// three with nullptr act on the main window.
const std::vector<TLaunchButton>& LaunchButtons() {
  static const std::vector<TLaunchButton> buttons = {
      {"Bevel3DBtn", "TBevel3D", "TBevel3D",
       "Rahmen mit Innen- und Außenkante, Beschriftung und Schriftfarbe frei wählbar", Dialog<TBevelDemo>()},
      {"LedTastBtn", "TLedButton", "TLedButton", "Taster mit eingebauter LED, rastend oder tastend, mit Blinkfunktion",
       Dialog<TLedTastDemo>()},
      {"ExitBtn", "Beenden", "", "Demo beenden und das Programm schließen", nullptr},
      {"SchiebeSchBtn", "TSlideButton", "TSlideButton", "Schiebeschalter mit zwei Stellungen, waagrecht oder senkrecht",
       Dialog<TSchalterDemo>()},
      {"TasterBtn", "TPictButton", "TPictButton", "Bildtaster mit eigenen Bildern für gedrückt und losgelassen",
       Dialog<TTasterDemo>()},
      {"TextSpinBtn", "TTextSpin", "TTextSpin", "Textauswahl mit Pfeiltasten, jeder Eintrag mit Wert und Zahl",
       Dialog<TTextSpinDemo>()},
      {"SchaltLinBtn", "TSelectorSlide", "TSelectorSlide", "Linearer Stufenschalter mit beschrifteten Stellungen",
       Dialog<TSchaltLinDemo>()},
      {"Schalt270Btn", "TSelector270", "TSelector270", "Drehschalter über 270 Grad mit bis zu zwölf Stellungen",
       Dialog<TSchalt270Demo>()},
      {"PotiLinBtn", "TPotiSlide", "TPotiSlide", "Schiebepotentiometer mit Skala, Maus- und Tastaturbedienung",
       Dialog<TPotiLinDemo>()},
      {"Poti270Btn", "TPoti270", "TPoti270", "Drehpotentiometer über 270 Grad mit Skala und Zeigerknopf",
       Dialog<TPoti270Demo>()},
      {"Spin7sBtn", "TSpin7Seg", "TSpin7Seg", "Siebensegment-Anzeige mit Auf- und Ab-Tasten je Stelle",
       Dialog<TSpin7SegDemo>()},
      {"Disp7sBtn", "TDisp7Seg", "TDisp7Seg", "Siebensegment-Anzeige für Zahlen, Zeit und Hexadezimalwerte",
       Dialog<TDisp7sDemo>()},
      {"MeterHBtn", "TMeterPanelH", "TMeterPanelH", "Waagrechtes Einbauinstrument mit Skala und Grenzwertmarken",
       Dialog<TMeterHDemo>()},
      {"MeterVBtn", "TMeterPanelV", "TMeterPanelV", "Senkrechtes Einbauinstrument mit Skala und Grenzwertmarken",
       Dialog<TMeterVDemo>()},
      {"Meter120Btn", "TMeter120", "TMeter120", "Zeigerinstrument mit 120 Grad Skalenbogen und Farbzonen",
       Dialog<TMeter120Demo>()},
      {"Meter180Btn", "TMeter180", "TMeter180", "Zeigerinstrument mit Halbkreisskala und Farbzonen",
       Dialog<TMeter180Demo>()},
      {"Meter270Btn", "TMeter270", "TMeter270", "Rundinstrument mit 270 Grad Skala, Schleppzeiger und Zonen",
       Dialog<TMeter270Demo>()},
      {"AboutBtn", "Veltor Info", "", "Informationen über diese Demo und die Komponenten", nullptr},
      {"MagicEyeBtn", "TMagicEye", "TMagicEye", "Magisches Auge als Abstimmanzeige wie im alten Röhrenradio",
       Dialog<TMagicEyeDemo>()},
      {"IniFileBtn", "TIniFile", "", "Einstellungen in einer Textdatei mit Abschnitten lesen und schreiben",
       Dialog<TIniFileDemo>()},
      {"KeyBrdBtn", "TAlphaBar", "TAlphaBar", "Buchstabenleiste zur schnellen Auswahl nach Anfangsbuchstaben",
       Dialog<TKeyBoardDemo>()},
      {"JoyStickBtn", "TJoyStick", "TJoyStick", "Joystick-Anzeige mit Kreuz, Achsenwerten und Tasten",
       Dialog<TJoyStickDemo>()},
      {"LeftRightBtn", "TLeftRight", "", "Links-Rechts-Tasten mit Wiederholung beim Festhalten",
       Dialog<TLeftRightDemo>()},
      {"UpDownBtn", "TUpDown", "", "Auf-Ab-Tasten mit Wiederholung beim Festhalten", Dialog<TUpDownDemo>()},
      {"ComPortBtn", "TComPort", "TComPort", "Serielle Schnittstelle mit Puffern, Handshake und Terminal",
       Dialog<TComPortDemo>()},
      {"FiFoBtn", "TFiFo", "TFiFo", "Ringpuffer für Bytes mit Lese- und Schreibzeiger", Dialog<TFifoDemo>()},
      {"NumEditBtn", "TNumEdit", "TNumEdit", "Eingabefeld für Zahlen mit Grenzen und Nachkommastellen",
       Dialog<TNumEditDemo>()},
      {"StrokeBtn", "TStroke", "TStroke", "Vektorschrift in beliebiger Größe und Neigung", Dialog<TStrokeTextDlg>()},
      {"PlaySoundBtn", "TPlaySound", "TPlaySound", "Wave-Dateien einmal, mit Warten oder endlos abspielen",
       Dialog<TPlaySoundDemo>()},
      {"SmartTimeBtn", "TSmartTimer", "TSmartTimer", "Zeitgeber für Takt, Blinken und abgezählte Durchläufe",
       Dialog<TSmartTimeDemo>()},
      {"RotLabelBtn", "TRotLabel", "TRotLabel", "Beschriftung in jedem Winkel gedreht, mit Rahmen und Schatten",
       Dialog<TRotLabelDemo>()},
      {"RollFormBtn", "TRollForm / TRollBar", "TRollBar", "Fenster, das sich auf seine Titelleiste aufrollen lässt",
       Dialog<TRollFormDemo>()},
      {"SysInfBtn", "TSysInfo", "TSysInfo", "Systemdaten: Version, Prozessor, Speicher und Laufwerke",
       Dialog<TSysInfoDemo>()},
      {"SliderBtn", "TSlider", "TSlider", "Schieberegler mit Griff, Skala und Wertanzeige", Dialog<TSliderDemo>()},
      {"ShadeBtn", "", "", "Farbverlauf des Hintergrunds in Richtung und Farbe weiterschalten", nullptr},
      {"GaugeBtn", "TGaugeGp", "TGaugeGp", "Fortschrittsanzeige als Balken, Kreis oder Text", Dialog<TGaugeDemo>()},
      {"GameBtn", "TGamePort", "TGamePort", "Gameport mit zwei Joysticks, Achsen und Feuerknöpfen",
       Dialog<TGamePortDemo>()},
      {"GlyphBtn", "TMultiGlyph", "", "Schaltfläche mit mehreren Bildern für jeden Zustand", Dialog<TMultiBmpDemo>()},
      {"LedCheckBtn", "TLedCheck", "TLedCheck", "Kontrollkästchen und Optionsfeld mit LED statt Haken",
       Dialog<TLedCheckDemo>()},
      {"SerieSpinBtn", "TSerieSpin", "TSerieSpin", "Werteauswahl in Normreihen wie E12 mit Pfeiltasten",
       Dialog<TSerieSpinDemo>()},
      {"Meter360Btn", "TMeter360", "TMeter360", "Rundinstrument über den vollen Kreis, etwa als Kompass",
       Dialog<TMeter360Demo>()},
      {"CtrlTimBtn", "TCtrlTimer", "TCtrlTimer", "Stoppuhr und Countdown mit Siebensegment-Anzeige",
       Dialog<TCtrlTimDemo>()},
      {"TextScrollBtn", "TTextSrcoll", "TTextScroller", "Lauftext in Farbe, Richtung und Geschwindigkeit einstellbar",
       Dialog<TTextSrcollDemo>()},
      {"BoxLineBtn", "TBoxLine", "TBoxLine", "Linien und Rahmen in 3D-Optik zum Gliedern von Fenstern",
       Dialog<TBoxLineDemo>()},
  };
  return buttons;
}

const TLaunchButton* FindLaunchButton(const QString& name) {
  for (const TLaunchButton& button : LaunchButtons()) {
    if (name == QLatin1String(button.Name)) return &button;
  }
  return nullptr;
}

bool CanLaunch(const TLaunchButton& button) {
  const QLatin1String name(button.Name);
  return button.OpenDialog || name == QLatin1String(kExitButton) || name == QLatin1String(kAboutButton) ||
         name == QLatin1String(kShadeButton);
}

}  // namespace VeltorDemo
