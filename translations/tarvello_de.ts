<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Core</name>
    <message>
        <source>Edit Army Name</source>
        <translation>Armeename bearbeiten</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Ordner bearbeiten</translation>
    </message>
    <message>
        <source>Edit Points Limit</source>
        <translation>Punktelimit bearbeiten</translation>
    </message>
    <message>
        <source>Change Directory</source>
        <translation>Ordner wechseln</translation>
    </message>
    <message>
        <source>Update Army Costs</source>
        <translation>Armeekosten aktualisieren</translation>
    </message>
    <message>
        <source>Error in calculating cost!</source>
        <translation>Fehler beim Berechnen der Kosten!</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Volk</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Training Level</source>
        <translation>Ausbildung</translation>
    </message>
    <message>
        <source>Hit Factor</source>
        <translation>Trefferfaktor</translation>
    </message>
    <message>
        <source>Hit Points</source>
        <translation>Trefferpunkte</translation>
    </message>
    <message>
        <source>Morale</source>
        <translation>Moral</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Command Skill</source>
        <translation>Befehlsgabe</translation>
    </message>
    <message>
        <source>Melee Weapon</source>
        <translation>Nahkampfwaffe</translation>
    </message>
    <message>
        <source>Missile Weapon</source>
        <translation>Fernkampfwaffe</translation>
    </message>
    <message>
        <source>Extra Items</source>
        <translation>Zusatzausrüstung</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Rüstung</translation>
    </message>
    <message>
        <source>Unit(s)</source>
        <translation>Einheit(en)</translation>
    </message>
    <message>
        <source>Unit Size</source>
        <translation>Einheitengröße</translation>
    </message>
    <message>
        <source>The unit card cannot be opened!</source>
        <translation>Die Einheitenkarte kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Change Heading Font</source>
        <translation>Schrift der Überschrift ändern</translation>
    </message>
    <message>
        <source>Change Data Font</source>
        <translation>Schrift der Daten ändern</translation>
    </message>
    <message>
        <source>Change Attack Font</source>
        <translation>Schrift der Angriffe ändern</translation>
    </message>
    <message>
        <source>Change Attack Roll Font</source>
        <translation>Schrift der Angriffswürfe ändern</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <source>Enlarge Picture</source>
        <translation>Bild vergrößern</translation>
    </message>
    <message>
        <source>Reduce Picture</source>
        <translation>Bild verkleinern</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Stil ändern</translation>
    </message>
    <message>
        <source>Error in changing style!</source>
        <translation>Fehler beim Ändern des Stils!</translation>
    </message>
    <message>
        <source>Load Style</source>
        <translation>Stil laden</translation>
    </message>
    <message>
        <source>Unit must be saved first in order to save layout data!</source>
        <translation>Die Einheit muss zuerst gespeichert werden, bevor das Layout gespeichert werden kann!</translation>
    </message>
    <message>
        <source>Hide Design</source>
        <translation>Gestaltung ausblenden</translation>
    </message>
    <message>
        <source>Show Design</source>
        <translation>Gestaltung einblenden</translation>
    </message>
    <message>
        <source>Error saving image!</source>
        <translation>Fehler beim Speichern des Bildes!</translation>
    </message>
    <message>
        <source>Check Movement Cost</source>
        <translation>Bewegungskosten einschalten</translation>
    </message>
    <message>
        <source>Clear Movement Cost</source>
        <translation>Bewegungskosten ausschalten</translation>
    </message>
    <message>
        <source>Check Range Cost</source>
        <translation>Reichweitenkosten einschalten</translation>
    </message>
    <message>
        <source>Clear Range Cost</source>
        <translation>Reichweitenkosten ausschalten</translation>
    </message>
    <message>
        <source>Edit Adjust Hit Factor</source>
        <translation>Trefferfaktor-Anpassung bearbeiten</translation>
    </message>
    <message>
        <source>Edit Hit Points</source>
        <translation>Trefferpunkte bearbeiten</translation>
    </message>
    <message>
        <source>Edit Figure Name</source>
        <translation>Figurenname bearbeiten</translation>
    </message>
    <message>
        <source>Edit Image File</source>
        <translation>Bilddatei bearbeiten</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Not a figure file</source>
        <translation>Keine Figurendatei</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Waffe</translation>
    </message>
    <message>
        <source>Max Damage</source>
        <translation>Max. Schaden</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Attack Radius</source>
        <translation>Angriffsradius</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Gegenstand</translation>
    </message>
    <message>
        <source>Error in loading %1 !</source>
        <translation>Fehler beim Laden von %1!</translation>
    </message>
    <message>
        <source>Error in saving %1 !</source>
        <translation>Fehler beim Speichern von %1!</translation>
    </message>
    <message>
        <source>Error in saving style %1 !</source>
        <translation>Fehler beim Speichern des Stils %1!</translation>
    </message>
    <message>
        <source>Error in loading style %1 !</source>
        <translation>Fehler beim Laden des Stils %1!</translation>
    </message>
    <message>
        <source>Error in saving army %1</source>
        <translation>Fehler beim Speichern der Armee %1</translation>
    </message>
    <message>
        <source>Error in preparing %1 !</source>
        <translation>Fehler beim Vorbereiten von %1!</translation>
    </message>
    <message>
        <source>The item %1 does not exist in current resourcefiles!</source>
        <translation>Der Eintrag %1 fehlt in den aktuellen Regeltabellen!</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be read; the figure opens without it, and saving keeps the stored picture until another one is chosen.</source>
        <translation>Das Bild von %1 kann nicht gelesen werden; die Figur wird ohne Bild geöffnet, und beim Speichern bleibt das gespeicherte Bild erhalten, bis ein anderes gewählt wird.</translation>
    </message>
    <message>
        <source>The settings file %1 is not an ordinary file, so it is not opened. Tarvello starts with its default settings and keeps changes to them only until it ends.</source>
        <translation>Die Einstellungsdatei %1 ist keine gewöhnliche Datei und wird daher nicht geöffnet. Tarvello startet mit den Standardeinstellungen und behält Änderungen nur bis zum Beenden.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>%1 wählen</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Set Shots of %1</source>
        <translation>Schüsse von %1 festlegen</translation>
    </message>
    <message>
        <source>Change Count of %1</source>
        <translation>Anzahl von %1 ändern</translation>
    </message>
    <message>
        <source>Change Size of %1</source>
        <translation>Größe von %1 ändern</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Disk full or write error</source>
        <translation>Datenträger voll oder Schreibfehler</translation>
    </message>
    <message>
        <source>File name too long for the file system</source>
        <translation>Dateiname zu lang für das Dateisystem</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Figure</source>
        <translation>&amp;Figur</translation>
    </message>
    <message>
        <source>New Figure: compose a figure in a new figure editor</source>
        <translation>Neue Figur: eine Figur in einem neuen Figureneditor zusammenstellen</translation>
    </message>
    <message>
        <source>New Figure</source>
        <translation>Neue Figur</translation>
    </message>
    <message>
        <source>&amp;Army</source>
        <translation>&amp;Armee</translation>
    </message>
    <message>
        <source>New Army: assemble an army in a new army editor</source>
        <translation>Neue Armee: eine Armee in einem neuen Armeeeditor aufstellen</translation>
    </message>
    <message>
        <source>New Army</source>
        <translation>Neue Armee</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Figure: open a figure file (%1) in a new figure editor</source>
        <translation>Figur öffnen: eine Figurendatei (%1) in einem neuen Figureneditor öffnen</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Figur öffnen</translation>
    </message>
    <message>
        <source>Open Army: open an army file (%1) in a new army editor</source>
        <translation>Armee öffnen: eine Armeedatei (%1) in einem neuen Armeeeditor öffnen</translation>
    </message>
    <message>
        <source>Open Army</source>
        <translation>Armee öffnen</translation>
    </message>
    <message>
        <source>&amp;Resource</source>
        <translation>&amp;Regeltabelle</translation>
    </message>
    <message>
        <source>Edit one of the rules tables</source>
        <translation>Eine der Regeltabellen bearbeiten</translation>
    </message>
    <message>
        <source>Open Recen&amp;t</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open one of the figures and armies last opened or saved</source>
        <translation>Eine der zuletzt geöffneten oder gespeicherten Figuren und Armeen öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active window&apos;s figure, army, table or card layout</source>
        <translation>Figur, Armee, Tabelle oder Kartenlayout des aktiven Fensters speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save the active figure or army in another file</source>
        <translation>Die aktive Figur oder Armee in einer anderen Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print the active window&apos;s report, card or table</source>
        <translation>Bericht, Karte oder Tabelle des aktiven Fensters drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Print Preview: show the active window&apos;s printout before printing it</source>
        <translation>Druckvorschau: den Ausdruck des aktiven Fensters vor dem Drucken zeigen</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <translation>&amp;Karten drucken...</translation>
    </message>
    <message>
        <source>Print the unit cards of the active figure or army, several to a page</source>
        <translation>Die Einheitenkarten der aktiven Figur oder Armee drucken, mehrere pro Seite</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Put the active figure&apos;s or army&apos;s report on the clipboard as text</source>
        <translation>Den Bericht der aktiven Figur oder Armee als Text in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Refresh Resources</source>
        <translation>&amp;Regeltabellen neu laden</translation>
    </message>
    <message>
        <source>Load the rules tables again, with the changes saved in them</source>
        <translation>Die Regeltabellen mit den darin gespeicherten Änderungen neu laden</translation>
    </message>
    <message>
        <source>&amp;Update Costs…</source>
        <translation>Kosten &amp;aktualisieren…</translation>
    </message>
    <message>
        <source>Save the army&apos;s figures with the costs the rules tables give them now</source>
        <translation>Die Figuren der Armee mit den Kosten speichern, die die Regeltabellen jetzt ergeben</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close every window and quit Tarvello</source>
        <translation>Alle Fenster schließen und Tarvello beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the active window</source>
        <translation>Das aktive Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Liesmich</translation>
    </message>
    <message>
        <source>Show readme.txt</source>
        <translation>readme.txt anzeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Show the title window</source>
        <translation>Das Titelfenster anzeigen</translation>
    </message>
    <message>
        <source>Tarvello cannot find your home folder!</source>
        <translation>Tarvello findet Ihren Benutzerordner nicht!</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Edit Cell</source>
        <translation>Zelle bearbeiten</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Error printing table!</source>
        <translation>Fehler beim Drucken der Tabelle!</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>Der Ausdruck konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>This card is too full to fit, even with its texts at 6 points: shorten its texts or choose smaller fonts.</source>
        <translation>Diese Karte ist selbst mit 6-Punkt-Texten zu voll: Kürzen Sie ihre Texte oder wählen Sie kleinere Schriften.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Zeilen löschen</translation>
    </message>
    <message>
        <source>Cut Rows</source>
        <translation>Zeilen ausschneiden</translation>
    </message>
    <message>
        <source>Error in printing Unit Card!</source>
        <translation>Fehler beim Drucken der Einheitenkarte!</translation>
    </message>
    <message>
        <source>Error in exporting figure data!</source>
        <translation>Fehler beim Exportieren der Figurendaten!</translation>
    </message>
    <message>
        <source>Figure data has been exported to the clipboard.</source>
        <translation>Die Figurendaten wurden in die Zwischenablage exportiert.</translation>
    </message>
    <message>
        <source>Errors in table %1</source>
        <translation>Fehler in der Tabelle %1</translation>
    </message>
    <message>
        <source>Error in savin resource file %1</source>
        <translation>Fehler beim Speichern der Regeltabelle %1</translation>
    </message>
    <message>
        <source>Stored cost %1, now %2 after table changes</source>
        <translation>Gespeicherte Kosten %1, nach Tabellenänderungen jetzt %2</translation>
    </message>
    <message>
        <source>Error in reading armortype data!</source>
        <translation>Fehler beim Lesen der Rüstungsarten!</translation>
    </message>
    <message>
        <source>&amp;Armor Types</source>
        <translation>&amp;Rüstungsarten</translation>
    </message>
    <message>
        <source>Error in reading race data!</source>
        <translation>Fehler beim Lesen der Völker!</translation>
    </message>
    <message>
        <source>&amp;Races</source>
        <translation>&amp;Völker</translation>
    </message>
    <message>
        <source>Error in reading defense factor data!</source>
        <translation>Fehler beim Lesen der Verteidigungsfaktoren!</translation>
    </message>
    <message>
        <source>Defense Factor</source>
        <translation>Verteidigungsfaktor</translation>
    </message>
    <message>
        <source>Error in reading move data!</source>
        <translation>Fehler beim Lesen der Bewegungsarten!</translation>
    </message>
    <message>
        <source>M&amp;ovement Types</source>
        <translation>&amp;Bewegungsarten</translation>
    </message>
    <message>
        <source>Error in reading melee weapons data!</source>
        <translation>Fehler beim Lesen der Nahkampfwaffen!</translation>
    </message>
    <message>
        <source>M&amp;elee Weapons</source>
        <translation>&amp;Nahkampfwaffen</translation>
    </message>
    <message>
        <source>Error in reading missile weapons data!</source>
        <translation>Fehler beim Lesen der Fernkampfwaffen!</translation>
    </message>
    <message>
        <source>M&amp;issile Weapons</source>
        <translation>&amp;Fernkampfwaffen</translation>
    </message>
    <message>
        <source>Error in reading extra items data!</source>
        <translation>Fehler beim Lesen der Zusatzausrüstung!</translation>
    </message>
    <message>
        <source>E&amp;xtra Items</source>
        <translation>&amp;Zusatzausrüstung</translation>
    </message>
    <message>
        <source>Error in reading command skill data!</source>
        <translation>Fehler beim Lesen der Befehlsgabe!</translation>
    </message>
    <message>
        <source>Error in reading green atttack roll data!</source>
        <translation>Fehler beim Lesen der Angriffswürfe (grün)!</translation>
    </message>
    <message>
        <source>Green Attack Roll</source>
        <translation>Angriffswurf Grün</translation>
    </message>
    <message>
        <source>Error in reading line atttack roll data!</source>
        <translation>Fehler beim Lesen der Angriffswürfe (Linie)!</translation>
    </message>
    <message>
        <source>Line Attack Roll</source>
        <translation>Angriffswurf Linie</translation>
    </message>
    <message>
        <source>Error in reading elite atttack roll data!</source>
        <translation>Fehler beim Lesen der Angriffswürfe (Elite)!</translation>
    </message>
    <message>
        <source>Elite Attack Roll</source>
        <translation>Angriffswurf Elite</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Eingabe hinter dem Dateiende</translation>
    </message>
    <message>
        <source>Targeting System</source>
        <translation>Zielsystem</translation>
    </message>
    <message>
        <source>Figure: %1</source>
        <translation>Figur: %1</translation>
    </message>
    <message>
        <source>Army: %1</source>
        <translation>Armee: %1</translation>
    </message>
    <message>
        <source>Unit Card: %1</source>
        <translation>Einheitenkarte: %1</translation>
    </message>
    <message>
        <source>The card does not fit on this paper.</source>
        <translation>Die Karte passt nicht auf dieses Papier.</translation>
    </message>
    <message>
        <source>%1 card on %2 page</source>
        <translation>%1 Karte auf %2 Seite</translation>
    </message>
    <message>
        <source>%1 card on %2 pages</source>
        <translation>%1 Karte auf %2 Seiten</translation>
    </message>
    <message>
        <source>%1 cards on %2 page</source>
        <translation>%1 Karten auf %2 Seite</translation>
    </message>
    <message>
        <source>%1 cards on %2 pages</source>
        <translation>%1 Karten auf %2 Seiten</translation>
    </message>
    <message>
        <source>Import Army from Text</source>
        <translation>Armee aus Text importieren</translation>
    </message>
    <message>
        <source>no figure of this name</source>
        <translation>keine Figur dieses Namens</translation>
    </message>
    <message>
        <source>%1 figures of this name</source>
        <translation>%1 Figuren dieses Namens</translation>
    </message>
    <message>
        <source>Army &amp;Pack…</source>
        <translation>Armee&amp;paket…</translation>
    </message>
    <message>
        <source>Open Army Pack: unpack an army pack (%1) into a new folder and open its army</source>
        <translation>Armeepaket öffnen: ein Armeepaket (%1) in einen neuen Ordner entpacken und seine Armee öffnen</translation>
    </message>
    <message>
        <source>Open Army Pack</source>
        <translation>Armeepaket öffnen</translation>
    </message>
    <message>
        <source>Export Army Pac&amp;k…</source>
        <translation>Armeepa&amp;ket exportieren…</translation>
    </message>
    <message>
        <source>Export Army Pack: one file holding the army and its figure files, to send or move</source>
        <translation>Armeepaket exportieren: eine Datei mit der Armee und ihren Figurendateien, zum Versenden oder Umziehen</translation>
    </message>
    <message>
        <source>&amp;Import Army from Text…</source>
        <translation>Armee aus &amp;Text importieren…</translation>
    </message>
    <message>
        <source>Import Army from Text: a new army of the figures an army list names</source>
        <translation>Armee aus Text importieren: eine neue Armee aus den Figuren, die eine Armeeliste nennt</translation>
    </message>
    <message>
        <source>%1 with current costs (%2 over)</source>
        <translation>%1 mit den jetzigen Kosten (%2 mehr)</translation>
    </message>
    <message>
        <source>%1 with current costs (%2 under)</source>
        <translation>%1 mit den jetzigen Kosten (%2 weniger)</translation>
    </message>
    <message>
        <source>%1 with current costs (the same)</source>
        <translation>%1 mit den jetzigen Kosten (gleich)</translation>
    </message>
    <message>
        <source>maximum damage</source>
        <translation>Maximaler Schaden</translation>
    </message>
    <message>
        <source>attack radius</source>
        <translation>Angriffsradius</translation>
    </message>
    <message>
        <source>short range</source>
        <translation>Kurze Reichweite</translation>
    </message>
    <message>
        <source>long range</source>
        <translation>Lange Reichweite</translation>
    </message>
    <message>
        <source>number of shots</source>
        <translation>Anzahl der Schüsse</translation>
    </message>
    <message>
        <source>Final Cost</source>
        <translation>Endkosten</translation>
    </message>
    <message>
        <source>Adjusted Hit Factor</source>
        <translation>Angepasster Trefferfaktor</translation>
    </message>
    <message>
        <source>Base Morale</source>
        <translation>Basismoral</translation>
    </message>
    <message>
        <source>Initiative Modifier</source>
        <translation>Initiativemodifikator</translation>
    </message>
    <message>
        <source>Magic Skill</source>
        <translation>Magiefähigkeit</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Each weapon&apos;s share is Defense Factor × Move Multiplier × Hit Points × its own multiplier:</source>
        <translation>Der Anteil jeder Waffe ist Verteidigungsfaktor × Bewegungsmultiplikator × Trefferpunkte × ihr eigener Multiplikator:</translation>
    </message>
    <message>
        <source>The row is the adjusted hit factor rounded to a whole number.</source>
        <translation>Die Zeile ist der angepasste Trefferfaktor, auf eine ganze Zahl gerundet.</translation>
    </message>
    <message>
        <source>No weapons: Defense Factor, Move Multiplier and Hit Points add nothing.</source>
        <translation>Keine Waffen: Verteidigungsfaktor, Bewegungsmultiplikator und Trefferpunkte tragen nichts bei.</translation>
    </message>
    <message>
        <source>A missile weapon&apos;s multiplier follows its Short and Long ranges (Range Cost checked), times its Attack Radius.</source>
        <translation>Der Multiplikator einer Fernkampfwaffe folgt ihrer kurzen und langen Reichweite (Reichweitenkosten angekreuzt), mal ihrem Angriffsradius.</translation>
    </message>
    <message>
        <source>A missile weapon&apos;s multiplier counts Attack Radius times.</source>
        <translation>Der Multiplikator einer Fernkampfwaffe zählt so oft wie ihr Angriffsradius.</translation>
    </message>
    <message>
        <source>Extra Items 0: no extra items chosen.</source>
        <translation>Zusatzausrüstung 0: keine Zusatzausrüstung gewählt.</translation>
    </message>
    <message>
        <source>(Defense Factor × Total Weapon Multiplier × Move Multiplier) × Hit Points + Command Skill + Magic Skill + Extra Items.</source>
        <translation>(Verteidigungsfaktor × Gesamt-Waffenmultiplikator × Bewegungsmultiplikator) × Trefferpunkte + Befehlsgabe + Magiefähigkeit + Zusatzausrüstung.</translation>
    </message>
    <message>
        <source>A figure file holds at most 4096 × 4096 pixels: No keeps the figure&apos;s picture as it is.</source>
        <translation>Eine Figurendatei fasst höchstens 4096 × 4096 Pixel: Nein behält das Bild der Figur, wie es ist.</translation>
    </message>
    <message>
        <source>The file ends inside the bitmap&apos;s headers.</source>
        <translation>Die Datei endet innerhalb der Kopfdaten der Bitmap.</translation>
    </message>
    <message>
        <source>The file ends before its picture does.</source>
        <translation>Die Datei endet, bevor ihr Bild endet.</translation>
    </message>
    <message>
        <source>Figure (*.tvf)</source>
        <translation>Figur (*.tvf)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Army (*.tva)</source>
        <translation>Armee (*.tva)</translation>
    </message>
    <message>
        <source>Style (*.tvs)</source>
        <translation>Stil (*.tvs)</translation>
    </message>
    <message>
        <source>Army pack (*.tvz)</source>
        <translation>Armeepaket (*.tvz)</translation>
    </message>
    <message>
        <source>The cost cannot be calculated now: %1</source>
        <translation>Die Kosten können jetzt nicht berechnet werden: %1</translation>
    </message>
    <message>
        <source>Training Level %1</source>
        <translation>Ausbildungsstufe %1</translation>
    </message>
    <message>
        <source>Targeting System %1</source>
        <translation>Zielsystem %1</translation>
    </message>
    <message>
        <source>Defense Factor %1: row %2 of the defense factor table, chosen by the adjusted hit factor %3.</source>
        <translation>Verteidigungsfaktor %1: Zeile %2 der Verteidigungsfaktor-Tabelle, gewählt nach dem angepassten Trefferfaktor %3.</translation>
    </message>
    <message>
        <source>Armor Type %1, its column for %2</source>
        <translation>Rüstungsart %1, ihre Spalte für %2</translation>
    </message>
    <message>
        <source>Armor Type %1, its column for every type but Normal</source>
        <translation>Rüstungsart %1, ihre Spalte für jeden Typ außer Normal</translation>
    </message>
    <message>
        <source>Adjusted hit factor %1 = base hit factor %2 (%3)%4 (Race %5)%6 (Adjust Hit Factor).</source>
        <translation>Angepasster Trefferfaktor %1 = Basis-Trefferfaktor %2 (%3)%4 (Volk %5)%6 (Trefferfaktor anpassen).</translation>
    </message>
    <message>
        <source>The table has rows 1 to %1, so %2 is used.</source>
        <translation>Die Tabelle hat die Zeilen 1 bis %1, daher gilt %2.</translation>
    </message>
    <message>
        <source>%1: %2 (Max Damage %3)</source>
        <translation>%1: %2 (Max. Schaden %3)</translation>
    </message>
    <message>
        <source>%1: %2 (Max Damage %3, Attack Radius %4)</source>
        <translation>%1: %2 (Max. Schaden %3, Angriffsradius %4)</translation>
    </message>
    <message>
        <source>%1: %2 (Max Damage %3, Attack Radius %4, limited to %5 shots)</source>
        <translation>%1: %2 (Max. Schaden %3, Angriffsradius %4, begrenzt auf %5 Schüsse)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Total Weapon Multiplier %1 = melee %2 + missile %3.</source>
        <translation>Gesamt-Waffenmultiplikator %1 = Nahkampf %2 + Fernkampf %3.</translation>
    </message>
    <message>
        <source>Each weapon&apos;s share comes from the %1 attack-roll table (%2), row = its Max Damage.</source>
        <translation>Der Anteil jeder Waffe stammt aus der Angriffswurftabelle %1 (%2), Zeile = ihr Max. Schaden.</translation>
    </message>
    <message>
        <source>Move Multiplier %1: the movement table&apos;s multiplier for Movement %2.</source>
        <translation>Bewegungsmultiplikator %1: der Multiplikator der Bewegungstabelle für Bewegungsart %2.</translation>
    </message>
    <message>
        <source>Move Multiplier %1 = Move %2 × %3 + %4, as Movement Cost is checked (Movement %5).</source>
        <translation>Bewegungsmultiplikator %1 = Bewegung %2 × %3 + %4, da Bewegungskosten angekreuzt ist (Bewegungsart %5).</translation>
    </message>
    <message>
        <source>Magic Skill 0: only a BattleMage pays for magic; this figure is %1.</source>
        <translation>Magiefähigkeit 0: Nur ein Kampfmagier zahlt für Magie; diese Figur ist vom Typ %1.</translation>
    </message>
    <message>
        <source>Magic Skill %1: a BattleMage at %2 (%3).</source>
        <translation>Magiefähigkeit %1: ein Kampfmagier bei %2 (%3).</translation>
    </message>
    <message>
        <source>Extra Items %1 = %2, each item&apos;s Cost.</source>
        <translation>Zusatzausrüstung %1 = %2, die Kosten jedes Gegenstands.</translation>
    </message>
    <message>
        <source>Cost %1 = (%2 × %3 × %4) × %5 + %6 + %7 + %8</source>
        <translation>Kosten %1 = (%2 × %3 × %4) × %5 + %6 + %7 + %8</translation>
    </message>
    <message>
        <source>Hit Points %1, as set in the Hit Points field.</source>
        <translation>Trefferpunkte %1, wie im Feld Trefferpunkte eingestellt.</translation>
    </message>
    <message>
        <source>Command Skill %1: the cost of %2 in the command skill table.</source>
        <translation>Befehlsgabe %1: die Kosten von %2 in der Befehlsgabe-Tabelle.</translation>
    </message>
    <message>
        <source>Final Cost %1: the Cost, already a whole number.</source>
        <translation>Endkosten %1: die Kosten, bereits eine ganze Zahl.</translation>
    </message>
    <message>
        <source>Final Cost %1: the Cost %2 rounded to a whole number, a half to the even neighbour.</source>
        <translation>Endkosten %1: die Kosten %2, auf eine ganze Zahl gerundet, eine Hälfte zur geraden Nachbarzahl.</translation>
    </message>
    <message>
        <source>%1: %2 = Defense Factor %3 × Move Multiplier %4 × Hit Points %5 × its multiplier %6</source>
        <translation>%1: %2 = Verteidigungsfaktor %3 × Bewegungsmultiplikator %4 × Trefferpunkte %5 × ihr Multiplikator %6</translation>
    </message>
    <message>
        <source>%1: %2, the item&apos;s Cost</source>
        <translation>%1: %2, die Kosten des Gegenstands</translation>
    </message>
    <message>
        <source>Command Skill: %1 (%2)</source>
        <translation>Befehlsgabe: %1 (%2)</translation>
    </message>
    <message>
        <source>Magic Skill: %1 (a BattleMage at %2)</source>
        <translation>Magiefähigkeit: %1 (ein Kampfmagier der Stufe %2)</translation>
    </message>
    <message>
        <source>Rounding: %1, the Cost %2 rounded to the Final Cost %3</source>
        <translation>Rundung: %1, die Kosten %2 auf die Endkosten %3 gerundet</translation>
    </message>
    <message>
        <source>Final Cost %1, in the parts the cost formula adds.</source>
        <translation>Endkosten %1, in den Teilen, die die Kostenformel addiert.</translation>
    </message>
    <message>
        <source>Defense Factor %1 (Race %2, Armor Type %3, adjusted hit factor %4)</source>
        <translation>Verteidigungsfaktor %1 (Volk %2, Rüstungsart %3, angepasster Trefferfaktor %4)</translation>
    </message>
    <message>
        <source>Move Multiplier %1 (Movement %2)</source>
        <translation>Bewegungsmultiplikator %1 (Bewegungsart %2)</translation>
    </message>
    <message>
        <source>Hit Points %1</source>
        <translation>Trefferpunkte %1</translation>
    </message>
    <message>
        <source>%1: the attack-roll table each weapon&apos;s multiplier comes from</source>
        <translation>%1: die Angriffswurftabelle, aus der der Multiplikator jeder Waffe stammt</translation>
    </message>
    <message>
        <source>%1: %2 points in %3</source>
        <translation>%1: %2 Punkte in %3</translation>
    </message>
    <message>
        <source>Rounding: %1, as the total rounds to a whole number after every line</source>
        <translation>Rundung: %1, da die Summe nach jeder Zeile auf eine ganze Zahl gerundet wird</translation>
    </message>
    <message>
        <source>Left: %1 points to the limit</source>
        <translation>Übrig: %1 Punkte bis zur Grenze</translation>
    </message>
    <message>
        <source>Over: %1 points beyond the limit</source>
        <translation>Zu viel: %1 Punkte über der Grenze</translation>
    </message>
    <message>
        <source>Total %1 points by figure type</source>
        <translation>Summe %1 Punkte nach Figurentyp</translation>
    </message>
    <message>
        <source>Total %1 points by figure type, against the points limit %2 (marked)</source>
        <translation>Summe %1 Punkte nach Figurentyp, gegenüber der Punktegrenze %2 (markiert)</translation>
    </message>
    <message>
        <source>The army has negative counts, unit sizes or costs in line %1. They are counted as they are, so the total is lower than the other lines cost.</source>
        <translation>Die Armee hat negative Anzahlen, Einheitengrößen oder Kosten in Zeile %1. Sie werden gezählt, wie sie sind, daher ist die Summe niedriger als die Kosten der übrigen Zeilen.</translation>
    </message>
    <message>
        <source>The army has negative counts, unit sizes or costs in lines %1. They are counted as they are, so the total is lower than the other lines cost.</source>
        <translation>Die Armee hat negative Anzahlen, Einheitengrößen oder Kosten in den Zeilen %1. Sie werden gezählt, wie sie sind, daher ist die Summe niedriger als die Kosten der übrigen Zeilen.</translation>
    </message>
    <message>
        <source>The army has negative counts, unit sizes or costs in lines %1 and %2 more. They are counted as they are, so the total is lower than the other lines cost.</source>
        <translation>Die Armee hat negative Anzahlen, Einheitengrößen oder Kosten in den Zeilen %1 und %2 weiteren. Sie werden gezählt, wie sie sind, daher ist die Summe niedriger als die Kosten der übrigen Zeilen.</translation>
    </message>
    <message>
        <source>The points limit of this army file cannot be read (&quot;%1&quot;): the army is shown without a limit. The file keeps its field as it is unless you set a limit, a whole number from 0 to 999,999,999.</source>
        <translation>Die Punktegrenze dieser Armeedatei kann nicht gelesen werden („%1“): Die Armee wird ohne Grenze angezeigt. Die Datei behält ihr Feld, wie es ist, sofern Sie keine Grenze setzen, eine ganze Zahl von 0 bis 999.999.999.</translation>
    </message>
    <message>
        <source>Unit line %1 (%2)</source>
        <translation>Einheitenzeile %1 (%2)</translation>
    </message>
    <message>
        <source>The field %1 holds &quot;%2&quot;, which is not a number.</source>
        <translation>Das Feld %1 enthält „%2“, das keine Zahl ist.</translation>
    </message>
    <message>
        <source>The field %1 holds &quot;%2&quot;, which is too large.</source>
        <translation>Das Feld %1 enthält „%2“, das zu groß ist.</translation>
    </message>
    <message>
        <source>The weapon %1 has a %2 of %3, which is too large.</source>
        <translation>Bei der Waffe %1 ist der Wert %3 für „%2“ zu groß.</translation>
    </message>
    <message>
        <source>The weapon %1 has a maximum damage of %2, for which the %3 attack roll table has no row.</source>
        <translation>Die Waffe %1 hat einen maximalen Schaden von %2, für den die Angriffswurftabelle %3 keine Zeile hat.</translation>
    </message>
    <message>
        <source>This picture is %1 × %2 pixels; printed on a card it needs at most %3 × %4. Scale it down? (Yes keeps the figure file small)</source>
        <translation>Dieses Bild ist %1 × %2 Pixel groß; auf einer Karte gedruckt braucht es höchstens %3 × %4. Verkleinern? (Ja hält die Figurendatei klein)</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 bytes its picture needs.</source>
        <translation>Die Datei endet nach %1 der %2 Bytes, die ihr Bild braucht.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read!</source>
        <translation>Das Bild %1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>%1 are more than one print job makes: at most %2 pages (%3 cards) are printed at a time. Print the army in parts, or one card per line.</source>
        <translation>%1 sind mehr, als ein Druckauftrag schafft: Höchstens %2 Seiten (%3 Karten) werden auf einmal gedruckt. Drucken Sie die Armee in Teilen oder eine Karte pro Zeile.</translation>
    </message>
    <message>
        <source>%1 card printed</source>
        <translation>%1 Karte gedruckt</translation>
    </message>
    <message>
        <source>%1 cards printed</source>
        <translation>%1 Karten gedruckt</translation>
    </message>
    <message>
        <source>%1 card previewed</source>
        <translation>%1 Karte in der Vorschau</translation>
    </message>
    <message>
        <source>%1 cards previewed</source>
        <translation>%1 Karten in der Vorschau</translation>
    </message>
    <message>
        <source>%1, %2 skipped: %3</source>
        <translation>%1, %2 übersprungen: %3</translation>
    </message>
    <message>
        <source>%1, %2 without its picture: %3</source>
        <translation>%1, %2 ohne ihr Bild: %3</translation>
    </message>
    <message>
        <source>%1, %2 without their picture: %3</source>
        <translation>%1, %2 ohne ihre Bilder: %3</translation>
    </message>
    <message>
        <source>Line %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Line %1, %2 fields of %3 (no %4)</source>
        <translation>Zeile %1, %2 Felder von %3 (kein %4)</translation>
    </message>
    <message>
        <source>Its %1 &quot;%2&quot; is not a number.</source>
        <translation>Sein Wert %1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Its %1 %2 is below 0.</source>
        <translation>Sein Wert %1 %2 ist kleiner als 0.</translation>
    </message>
    <message>
        <source>It is %1 × %2 pixels, more than a figure file holds (4096 × 4096).</source>
        <translation>Es ist %1 × %2 Pixel groß, mehr als eine Figurendatei fasst (4096 × 4096).</translation>
    </message>
    <message>
        <source>The font specified (%1) in the style does not exist on this computer.%2 has been selected instead.</source>
        <translation>Die im Stil angegebene Schrift (%1) gibt es auf diesem Computer nicht. Stattdessen wurde %2 gewählt.</translation>
    </message>
    <message>
        <source>The style holds font sizes that cannot be drawn: %1. The card draws those texts at their default size; the style keeps the sizes as written.</source>
        <translation>Der Stil enthält Schriftgrößen, die nicht gezeichnet werden können: %1. Die Karte zeichnet diese Texte in ihrer Standardgröße; der Stil behält die Größen, wie sie geschrieben sind.</translation>
    </message>
    <message>
        <source>The file %1 holds no card style (no [Style] section). The card&apos;s fonts are set to the defaults.</source>
        <translation>Die Datei %1 enthält keinen Kartenstil (kein Abschnitt [Style]). Die Schriften der Karte werden auf die Standardwerte gesetzt.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Tarvello opens figure files (%2) and army files (%3).</source>
        <translation>%1 kann nicht geöffnet werden: Tarvello öffnet Figurendateien (%2) und Armeedateien (%3).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Tarvello opens figure files (%2), army files (%3) and army packs (%4).</source>
        <translation>%1 kann nicht geöffnet werden: Tarvello öffnet Figurendateien (%2), Armeedateien (%3) und Armeepakete (%4).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>Tarvello goes on with the files of %1.</source>
        <translation>Tarvello fährt mit den Dateien von %1 fort.</translation>
    </message>
    <message>
        <source>The rules tables %1 in %2 were empty (a copy cut short) and have been replaced by the tables shipped with Tarvello.</source>
        <translation>Die Regeltabellen %1 in %2 waren leer (eine abgebrochene Kopie) und wurden durch die mit Tarvello gelieferten Tabellen ersetzt.</translation>
    </message>
    <message>
        <source>Line %1 of the file</source>
        <translation>Zeile %1 der Datei</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>HOME is not set, and the system&apos;s user database names no home folder for this user. Tarvello stops.</source>
        <translation>HOME ist nicht gesetzt, und die Benutzerdatenbank des Systems nennt keinen Persönlichen Ordner für diesen Benutzer. Tarvello wird beendet.</translation>
    </message>
    <message>
        <source>Tarvello stops.</source>
        <translation>Tarvello wird beendet.</translation>
    </message>
    <message>
        <source>Error loading readme file!</source>
        <translation>Fehler beim Laden der Liesmich-Datei!</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Commander</source>
        <translation>Befehlshaber</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Held</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>BattleMage</source>
        <translation>Kampfmagier</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Elite</source>
        <translation>Elite</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Apprentice</source>
        <translation>Lehrling</translation>
    </message>
    <message>
        <source>Journeyman</source>
        <translation>Geselle</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Army Creator</source>
        <translation>Armee-Editor</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4, %5 %6</source>
        <translation>%1 %2, %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <translation>%1 + %2 weitere</translation>
    </message>
</context>
<context>
    <name>ImportArmyDialog</name>
    <message>
        <source>Import Army from Text</source>
        <translation>Armee aus Text importieren</translation>
    </message>
    <message>
        <source>&amp;Army list (the text of File, Export, or one unit a line: &quot;3 x Spearman&quot;, &quot;Spearman x3 (size 10)&quot;):</source>
        <translation>&amp;Armeeliste (der Text von Datei, Exportieren, oder eine Einheit pro Zeile: &quot;3 x Spearman&quot;, &quot;Spearman x3 (size 10)&quot;):</translation>
    </message>
    <message>
        <source>From &amp;File…</source>
        <translation>Aus &amp;Datei…</translation>
    </message>
    <message>
        <source>Read the list from a text file</source>
        <translation>Die Liste aus einer Textdatei lesen</translation>
    </message>
    <message>
        <source>Figure &amp;directory:</source>
        <translation>Figuren&amp;ordner:</translation>
    </message>
    <message>
        <source>The folder whose figures the list&apos;s names are looked up in</source>
        <translation>Der Ordner, in dessen Figuren die Namen der Liste gesucht werden</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Choose the folder of figures</source>
        <translation>Den Figurenordner wählen</translation>
    </message>
    <message>
        <source>Lines that match no figure, or more than one: nothing is guessed</source>
        <translation>Zeilen, die zu keiner oder mehreren Figuren passen: nichts wird geraten</translation>
    </message>
</context>
<context>
    <name>frmArmy</name>
    <message>
        <source>Army Creator</source>
        <translation>Armee-Editor</translation>
    </message>
    <message>
        <source>Army Information</source>
        <translation>Armee</translation>
    </message>
    <message>
        <source>Army Name</source>
        <translation>Armeename</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>The points left under the points limit, or by how many the army is over it</source>
        <translation>Die Punkte, die unter dem Punktelimit übrig sind, oder um wie viel die Armee darüber liegt</translation>
    </message>
    <message>
        <source>Directory to look for figures in</source>
        <translation>Figurenordner</translation>
    </message>
    <message>
        <source>Choose the folder of figure files and list its figures</source>
        <translation>Den Ordner der Figurendateien wählen und seine Figuren auflisten</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>List the figure files of the folder again</source>
        <translation>Die Figurendateien des Ordners neu auflisten</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Replace the figure cost stored in each army line by what the figure costs now under the current tables; changes the army only, never a figure file</source>
        <translation>Die in jeder Armeezeile gespeicherten Figurenkosten durch die Kosten ersetzen, die die Figur nach den aktuellen Tabellen hat; ändert nur die Armee, nie eine Figurendatei</translation>
    </message>
    <message>
        <source>Update Army Costs</source>
        <translation>Armeekosten aktualisieren</translation>
    </message>
    <message>
        <source>List the figures of the folder whose cost differs under the current tables, and rewrite the checked figure files with their new cost</source>
        <translation>Die Figuren des Ordners auflisten, deren Kosten sich nach den aktuellen Tabellen unterscheiden, und die angehakten Figurendateien mit den neuen Kosten speichern</translation>
    </message>
    <message>
        <source>Update Costs…</source>
        <translation>Kosten aktualisieren…</translation>
    </message>
    <message>
        <source>Points limit</source>
        <translation>Punktelimit</translation>
    </message>
    <message>
        <source>The points the army may cost, a whole number from 0 to 999,999,999 (empty: no limit); only a warning, nothing is refused</source>
        <translation>Die Punkte, die die Armee kosten darf, eine ganze Zahl von 0 bis 999.999.999 (leer: kein Limit); nur ein Hinweis, nichts wird abgelehnt</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>Verfügbare Figuren</translation>
    </message>
    <message>
        <source>F&amp;ind</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Part of a figure&apos;s name, race, type or weapon</source>
        <translation>Teil von Name, Volk, Typ oder Waffe einer Figur</translation>
    </message>
    <message>
        <source>Shows only the figures whose name, race, type or weapons contain this text</source>
        <translation>Zeigt nur die Figuren, deren Name, Volk, Typ oder Waffen diesen Text enthalten</translation>
    </message>
    <message>
        <source>Add/Remove Units</source>
        <translation>Einheiten hinzufügen/entfernen</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>unit(s) with unit size</source>
        <translation>Einheit(en) der Größe</translation>
    </message>
    <message>
        <source>Add the chosen units of the selected figure to the army (Enter or a double-click on a figure does the same)</source>
        <translation>Die gewählten Einheiten der ausgewählten Figur der Armee hinzufügen (Eingabetaste oder Doppelklick auf eine Figur bewirken dasselbe)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected army line, whatever its count</source>
        <translation>Die ausgewählte Armeezeile entfernen, unabhängig von ihrer Anzahl</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Print the unit card of each army line or unit, or one per figure, optionally after a roster page</source>
        <translation>Die Einheitenkarte jeder Armeezeile oder Einheit drucken, oder eine pro Figur, auf Wunsch nach einer Übersichtsseite</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <translation>&amp;Karten drucken...</translation>
    </message>
    <message>
        <source>Selected Units</source>
        <translation>Gewählte Einheiten</translation>
    </message>
    <message>
        <source>Modify Selected Unit Count</source>
        <translation>Anzahl der gewählten Zeile ändern</translation>
    </message>
    <message>
        <source>Modify Selected Unit Size</source>
        <translation>Größe der gewählten Zeile ändern</translation>
    </message>
    <message>
        <source>The total the lines would give with their figures&apos; costs now (the Now column); Update Army Costs makes it the total</source>
        <translation>Die Summe, die die Zeilen mit den jetzigen Kosten ihrer Figuren ergäben (Spalte Jetzt); Armeekosten aktualisieren macht sie zur Summe</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>1 figure was not found: %1. Pack without it?</source>
        <translation>1 Figur wurde nicht gefunden: %1. Ohne sie packen?</translation>
    </message>
    <message>
        <source>%1 figures were not found: %2. Pack without them?</source>
        <translation>%1 Figuren wurden nicht gefunden: %2. Ohne sie packen?</translation>
    </message>
    <message>
        <source>No line names a figure of this folder</source>
        <translation>Keine Zeile nennt eine Figur dieses Ordners</translation>
    </message>
    <message>
        <source>1 unit line matched</source>
        <translation>1 Einheitenzeile zugeordnet</translation>
    </message>
    <message>
        <source>%1 unit lines matched</source>
        <translation>%1 Einheitenzeilen zugeordnet</translation>
    </message>
    <message>
        <source>, army &quot;%1&quot;</source>
        <translation>, Armee &quot;%1&quot;</translation>
    </message>
    <message>
        <source>, points limit %1</source>
        <translation>, Punktelimit %1</translation>
    </message>
    <message>
        <source>; 1 line not matched (nothing is guessed):</source>
        <translation>; 1 Zeile nicht zugeordnet (nichts wird geraten):</translation>
    </message>
    <message>
        <source>; %1 lines not matched (nothing is guessed):</source>
        <translation>; %1 Zeilen nicht zugeordnet (nichts wird geraten):</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Zeile %1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>frmFigure</name>
    <message>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Figure Information</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Figure name</source>
        <translation>Figurenname</translation>
    </message>
    <message>
        <source>Figure image file</source>
        <translation>Bilddatei der Figur</translation>
    </message>
    <message>
        <source>Choose the figure&apos;s bitmap</source>
        <translation>Das Bild der Figur wählen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>Figure Data</source>
        <translation>Figurendaten</translation>
    </message>
    <message>
        <source>Figure type</source>
        <translation>Figurentyp</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Volk</translation>
    </message>
    <message>
        <source>Race Hit Factor Mod</source>
        <translation>Trefferfaktor-Mod. Volk</translation>
    </message>
    <message>
        <source>Adjust Hit Factor</source>
        <translation>Trefferfaktor anpassen</translation>
    </message>
    <message>
        <source>A number. Text that is not a number becomes 0, so a minus typed alone turns into 0: for a negative value use the arrows or the Up and Down keys (-100 to 100), or paste the whole number, such as -3.</source>
        <translation>Eine Zahl. Text, der keine Zahl ist, wird 0, also wird ein allein getipptes Minus zu 0: Für einen negativen Wert die Pfeile oder die Tasten Auf und Ab verwenden (-100 bis 100) oder die ganze Zahl einfügen, etwa -3.</translation>
    </message>
    <message>
        <source>Training Level</source>
        <translation>Ausbildungsstufe</translation>
    </message>
    <message>
        <source>Armor Type</source>
        <translation>Rüstungsart</translation>
    </message>
    <message>
        <source>Hit Points</source>
        <translation>Trefferpunkte</translation>
    </message>
    <message>
        <source>A number. 0, an empty field or text that does not start with a number becomes 1. The arrows and the Up and Down keys step it from 1 to 100.</source>
        <translation>Eine Zahl. 0, ein leeres Feld oder Text, der nicht mit einer Zahl beginnt, wird 1. Die Pfeile und die Tasten Auf und Ab stellen 1 bis 100 ein.</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Bewegungsart</translation>
    </message>
    <message>
        <source>Command Skill</source>
        <translation>Befehlsgabe</translation>
    </message>
    <message>
        <source>Base Hit Factor</source>
        <translation>Basis-Trefferfaktor</translation>
    </message>
    <message>
        <source>Adjusted Hit Factor</source>
        <translation>Angepasster Trefferfaktor</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Initiative Modifier</source>
        <translation>Initiativemodifikator</translation>
    </message>
    <message>
        <source>Base Morale</source>
        <translation>Basismoral</translation>
    </message>
    <message>
        <source>Melee Weapons</source>
        <translation>Nahkampfwaffen</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Melee Weapon Multiplier</source>
        <translation>Nahkampfwaffen-Multiplikator</translation>
    </message>
    <message>
        <source>Missile Weapons</source>
        <translation>Fernkampfwaffen</translation>
    </message>
    <message>
        <source>Limit selected Missile Attack to</source>
        <translation>Gewählte Fernkampfwaffe begrenzen auf</translation>
    </message>
    <message>
        <source>Shots of the selected missile weapon, 0 to 20 (0 means unlimited): the arrows or the Up and Down keys set it.</source>
        <translation>Schüsse der gewählten Fernkampfwaffe, 0 bis 20 (0 heißt unbegrenzt): Die Pfeile oder die Tasten Auf und Ab stellen sie ein.</translation>
    </message>
    <message>
        <source>shots (0 means unlimited)</source>
        <translation>Schüsse (0 heißt unbegrenzt)</translation>
    </message>
    <message>
        <source>Missile Weapon Multiplier</source>
        <translation>Fernkampfwaffen-Multiplikator</translation>
    </message>
    <message>
        <source>Extra Items</source>
        <translation>Zusatzausrüstung</translation>
    </message>
    <message>
        <source>Extra Items Cost</source>
        <translation>Kosten der Zusatzausrüstung</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Movement Cost</source>
        <translation>Bewegungskosten</translation>
    </message>
    <message>
        <source>Range Cost</source>
        <translation>Reichweitenkosten</translation>
    </message>
    <message>
        <source>Calculated Figure Cost</source>
        <translation>Berechnete Figurenkosten</translation>
    </message>
    <message>
        <source>(Defense Factor</source>
        <translation>(Verteidigungsfaktor</translation>
    </message>
    <message>
        <source>x Total Weapon Multiplier</source>
        <translation>x Gesamt-Waffenmultiplikator</translation>
    </message>
    <message>
        <source>x Move Multiplier)</source>
        <translation>x Bewegungsmultiplikator)</translation>
    </message>
    <message>
        <source>x Hit Points</source>
        <translation>x Trefferpunkte</translation>
    </message>
    <message>
        <source>+ Command Skill</source>
        <translation>+ Befehlsgabe</translation>
    </message>
    <message>
        <source>+ Magic Skill</source>
        <translation>+ Magiefähigkeit</translation>
    </message>
    <message>
        <source>+ Extra Items</source>
        <translation>+ Zusatzausrüstung</translation>
    </message>
    <message>
        <source>= Cost</source>
        <translation>= Kosten</translation>
    </message>
    <message>
        <source>Final Cost</source>
        <translation>Endkosten</translation>
    </message>
</context>
<context>
    <name>frmUnitCard</name>
    <message>
        <source>Unit Card</source>
        <translation>Einheitenkarte</translation>
    </message>
    <message>
        <source>Image Layout</source>
        <translation>Bildlayout</translation>
    </message>
    <message>
        <source>Save style into layout</source>
        <translation>Stil im Layout speichern</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Save Layout</source>
        <translation>Layout speichern</translation>
    </message>
    <message>
        <source>Show Design</source>
        <translation>Gestaltung einblenden</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>C&amp;opy to Clipboard</source>
        <translation>In die Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>Save as Image...</source>
        <translation>Als Bild speichern...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>150 %</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200 %</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Einheitenname</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Change..</source>
        <translation>Ändern..</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Data Text</source>
        <translation>Datentext</translation>
    </message>
    <message>
        <source>Attack Text</source>
        <translation>Angriffstext</translation>
    </message>
    <message>
        <source>Attack Roll Text</source>
        <translation>Angriffswurftext</translation>
    </message>
    <message>
        <source>Load Style</source>
        <translation>Stil laden</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>Stil speichern</translation>
    </message>
</context>
<context>
    <name>tarvello::CardSheetDialog</name>
    <message>
        <source>Print Cards</source>
        <translation>Karten drucken</translation>
    </message>
    <message>
        <source>One card per army &amp;line</source>
        <translation>Eine Karte pro Armee&amp;zeile</translation>
    </message>
    <message>
        <source>One card per &amp;unit</source>
        <translation>Eine Karte pro &amp;Einheit</translation>
    </message>
    <message>
        <source>One card per &amp;figure</source>
        <translation>Eine Karte pro &amp;Figur</translation>
    </message>
    <message>
        <source>Lines whose figure is the same figure file share one card</source>
        <translation>Zeilen mit derselben Figurendatei teilen sich eine Karte</translation>
    </message>
    <message>
        <source>&amp;Roster page first</source>
        <translation>Zuerst eine Ü&amp;bersichtsseite</translation>
    </message>
    <message>
        <source>Pages listing each line (count, unit size, figure, type, points) with the army&apos;s name, total and limit, before the cards</source>
        <translation>Seiten mit jeder Zeile (Anzahl, Einheitengröße, Figur, Typ, Punkte) samt Name, Summe und Limit der Armee, vor den Karten</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Kopien:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>, after 1 roster page</source>
        <translation>, nach 1 Übersichtsseite</translation>
    </message>
    <message>
        <source>, after %1 roster pages</source>
        <translation>, nach %1 Übersichtsseiten</translation>
    </message>
    <message>
        <source>&amp;Deck sheets with the images</source>
        <translation>&amp;Deckblätter zu den Bildern</translation>
    </message>
    <message>
        <source>Save as Images also writes sheets of up to 10 x 7 cards and a card back, the grid virtual tabletops import</source>
        <translation>Als Bilder speichern schreibt auch Blätter mit bis zu 10 x 7 Karten und eine Kartenrückseite, das Raster, das virtuelle Spieltische importieren</translation>
    </message>
    <message>
        <source>Save as &amp;Images…</source>
        <translation>Als &amp;Bilder speichern…</translation>
    </message>
    <message>
        <source>One PNG per card, 300 dpi, named after the figure, into a folder</source>
        <translation>Ein PNG pro Karte, 300 dpi, nach der Figur benannt, in einen Ordner</translation>
    </message>
    <message>
        <source>Points &amp;bar on the roster</source>
        <translation>Punkte&amp;balken auf der Übersicht</translation>
    </message>
</context>
<context>
    <name>tarvello::ChildWindow</name>
    <message>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Army</source>
        <translation>Armee</translation>
    </message>
    <message>
        <source>Unit card of the figure</source>
        <translation>Einheitenkarte der Figur</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
</context>
<context>
    <name>tarvello::CommandBar</name>
    <message>
        <source>Tool&amp;bar</source>
        <translation>Werkzeug&amp;leiste</translation>
    </message>
</context>
<context>
    <name>tarvello::CostPreviewView</name>
    <message>
        <source>+Pts</source>
        <translation>+Pkt</translation>
    </message>
    <message>
        <source>%1 makes the Final Cost %2 (now %3).</source>
        <translation>%1 ergibt Endkosten von %2 (jetzt %3).</translation>
    </message>
    <message>
        <source>Adding it</source>
        <translation>Das Hinzufügen</translation>
    </message>
    <message>
        <source>Choosing it</source>
        <translation>Diese Wahl</translation>
    </message>
    <message>
        <source>Points the Final Cost would change by with the row added</source>
        <translation>Punkte, um die sich die Endkosten mit dieser Zeile ändern würden</translation>
    </message>
</context>
<context>
    <name>tarvello::ImportArmyDialog</name>
    <message>
        <source>Text (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Figure directory</source>
        <translation>Figurenordner</translation>
    </message>
</context>
<context>
    <name>tarvello::LookMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>Die Sprache der Fenster, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>&amp;Erscheinungsbild</translation>
    </message>
    <message>
        <source>A light or dark look, or the desktop&apos;s</source>
        <translation>Ein helles oder dunkles Aussehen, oder das der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>The windows speak the chosen language from the next start of Tarvello.</source>
        <translation>Die Fenster zeigen die gewählte Sprache ab dem nächsten Start von Tarvello.</translation>
    </message>
</context>
<context>
    <name>tarvello::NoticeBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tarvello::RecentFilesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
</context>
<context>
    <name>tarvello::StartArea</name>
    <message>
        <source>Start with a figure or an army</source>
        <translation>Mit einer Figur oder einer Armee beginnen</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>None yet: figures and armies you open or save appear here.</source>
        <translation>Noch keine: Figuren und Armeen, die Sie öffnen oder speichern, erscheinen hier.</translation>
    </message>
</context>
<context>
    <name>tarvello::frmArmy</name>
    <message>
        <source>Select your Windows\System\ directory</source>
        <translation>Ordner der Figuren wählen</translation>
    </message>
    <message>
        <source>Army data has been exported to the clipboard.</source>
        <translation>Die Armeedaten wurden in die Zwischenablage exportiert.</translation>
    </message>
    <message>
        <source>Army changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Änderungen der Armee nicht gespeichert!<byte value="xd"/>
Jetzt speichern?</translation>
    </message>
    <message>
        <source>%1: %2 (with weapons and items from the tables: %3)   %4</source>
        <translation>%1: %2 (mit Waffen und Ausrüstung aus den Tabellen: %3)   %4</translation>
    </message>
    <message>
        <source>No figure cost has changed.</source>
        <translation>Keine Figurenkosten haben sich geändert.</translation>
    </message>
    <message>
        <source>Update Costs</source>
        <translation>Kosten aktualisieren</translation>
    </message>
    <message>
        <source>These figures cost differently under the current tables. Save the checked ones with their new cost?</source>
        <translation>Diese Figuren kosten nach den aktuellen Tabellen anders. Die angehakten mit ihren neuen Kosten speichern?</translation>
    </message>
    <message>
        <source>Also refresh weapons and items from the tables</source>
        <translation>Auch Waffen und Ausrüstung aus den Tabellen erneuern</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Figures in this folder changed: Refresh to see them.</source>
        <translation>Figuren in diesem Ordner wurden geändert: Aktualisieren zeigt sie.</translation>
    </message>
    <message>
        <source>These figure files changed since Update Costs and were left as they are:</source>
        <translation>Diese Figurendateien wurden seit dem Aktualisieren der Kosten geändert und blieben unverändert:</translation>
    </message>
    <message>
        <source>Press Refresh to list the figures in this folder</source>
        <translation>Aktualisieren drücken, um die Figuren dieses Ordners aufzulisten</translation>
    </message>
    <message>
        <source>No figure files in this folder</source>
        <translation>Keine Figurendateien in diesem Ordner</translation>
    </message>
    <message>
        <source>not a limit</source>
        <translation>kein Limit</translation>
    </message>
    <message>
        <source>Number of units of this figure and unit size in the army</source>
        <translation>Anzahl der Einheiten dieser Figur und Einheitengröße in der Armee</translation>
    </message>
    <message>
        <source>Figures in each unit</source>
        <translation>Figuren pro Einheit</translation>
    </message>
    <message>
        <source>The figure&apos;s name</source>
        <translation>Der Name der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s race</source>
        <translation>Das Volk der Figur</translation>
    </message>
    <message>
        <source>The figure type: soldier, commander, hero, vehicle or battle mage</source>
        <translation>Der Figurentyp: Soldat, Befehlshaber, Held, Fahrzeug oder Kampfmagier</translation>
    </message>
    <message>
        <source>The figure&apos;s cost in points as stored (in an army line: as copied when added)</source>
        <translation>Die gespeicherten Kosten der Figur in Punkten (in einer Armeezeile: wie beim Hinzufügen übernommen)</translation>
    </message>
    <message>
        <source>What the figure costs under the current rules tables (an arrow marks a changed cost, ? one that cannot be worked out)</source>
        <translation>Was die Figur nach den aktuellen Regeltabellen kostet (ein Pfeil markiert geänderte Kosten, ? nicht berechenbare)</translation>
    </message>
    <message>
        <source>The line&apos;s points: units × unit size × figure cost</source>
        <translation>Die Punkte der Zeile: Einheiten × Einheitengröße × Figurenkosten</translation>
    </message>
    <message>
        <source>The figure&apos;s training level</source>
        <translation>Die Ausbildungsstufe der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s adjusted hit factor</source>
        <translation>Der angepasste Trefferfaktor der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s hit points</source>
        <translation>Die Trefferpunkte der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s base morale</source>
        <translation>Die Basismoral der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s move</source>
        <translation>Die Bewegung der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s command skill</source>
        <translation>Die Befehlsgabe der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s melee weapons</source>
        <translation>Die Nahkampfwaffen der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s missile weapons, with their shots in brackets</source>
        <translation>Die Fernkampfwaffen der Figur, ihre Schüsse in Klammern</translation>
    </message>
    <message>
        <source>The figure&apos;s extra items</source>
        <translation>Die Zusatzausrüstung der Figur</translation>
    </message>
    <message>
        <source>The figure&apos;s armour</source>
        <translation>Die Rüstung der Figur</translation>
    </message>
    <message>
        <source> — click to sort by it, again to reverse</source>
        <translation> — Klick sortiert danach, ein weiterer kehrt um</translation>
    </message>
    <message>
        <source>%1: Up and Down step by 1, Page Up and Page Down by 10, the mouse wheel steps too</source>
        <translation>%1: Auf und Ab ändern um 1, Bild auf und Bild ab um 10, auch das Mausrad</translation>
    </message>
    <message>
        <source>Units to add</source>
        <translation>Hinzuzufügende Einheiten</translation>
    </message>
    <message>
        <source>Unit size of the units to add</source>
        <translation>Einheitengröße der hinzuzufügenden Einheiten</translation>
    </message>
    <message>
        <source>Units of the selected line (0 removes the line)</source>
        <translation>Einheiten der gewählten Zeile (0 entfernt die Zeile)</translation>
    </message>
    <message>
        <source>Unit size of the selected line</source>
        <translation>Einheitengröße der gewählten Zeile</translation>
    </message>
    <message>
        <source>Step the number beside</source>
        <translation>Die Zahl daneben verstellen</translation>
    </message>
    <message>
        <source>This army was not read completely; saving replaces the file with what is shown. Save anyway?</source>
        <translation>Diese Armee wurde nicht vollständig gelesen; Speichern ersetzt die Datei durch das Angezeigte. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 übrig</translation>
    </message>
    <message>
        <source>%1 over</source>
        <translation>%1 zu viel</translation>
    </message>
</context>
<context>
    <name>tarvello::frmEdit_Table</name>
    <message>
        <source>Table Editor</source>
        <translation>Tabelleneditor</translation>
    </message>
    <message>
        <source>New r&amp;ow</source>
        <translation>Neue &amp;Zeile</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Errors in table %1</source>
        <translation>Fehler in der Tabelle %1</translation>
    </message>
    <message>
        <source>Resource Editor %1</source>
        <translation>Regeltabelle %1</translation>
    </message>
    <message>
        <source>Table not saved!<byte value="xd"/>
Save table now?</source>
        <translation>Tabelle nicht gespeichert!<byte value="xd"/>
Tabelle jetzt speichern?</translation>
    </message>
</context>
<context>
    <name>tarvello::frmFigure</name>
    <message>
        <source>Bitmap (*.bmp)|*.bmp|Pictures (*.bmp *.png *.jpg *.jpeg *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|All files (*.*)|*.*</source>
        <translation>Bitmap (*.bmp)|*.bmp|Bilder (*.bmp *.png *.jpg *.jpeg *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Figure changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Änderungen der Figur nicht gespeichert!<byte value="xd"/>
Jetzt speichern?</translation>
    </message>
    <message>
        <source>&amp;Update Cost</source>
        <translation>Kosten &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>tarvello::frmMain</name>
    <message>
        <source>&amp;Refresh Resources</source>
        <translation>&amp;Regeltabellen neu laden</translation>
    </message>
    <message>
        <source>Rules tables reloaded</source>
        <translation>Regeltabellen neu geladen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>The rules tables were changed. Open editors use them after Refresh Resources.</source>
        <translation>Die Regeltabellen wurden geändert. Offene Editoren verwenden sie nach dem Neuladen der Regeltabellen.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it has been removed from the recent files.</source>
        <translation>%1 existiert nicht mehr und wurde aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Edit the rules table %1</source>
        <translation>Die Regeltabelle %1 bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Unpacked into %1</source>
        <translation>Entpackt nach %1</translation>
    </message>
</context>
<context>
    <name>tarvello::frmReadme</name>
    <message>
        <source>%1 Readme.txt</source>
        <translation>%1 Readme.txt</translation>
    </message>
</context>
<context>
    <name>tarvello::frmSplash</name>
    <message>
        <source>Point costs, unit cards and armies for tabletop miniatures wargames, computed from the game&apos;s own rules tables.</source>
        <translation>Punktkosten, Einheitenkarten und Armeen für Tabletop-Miniaturenspiele, berechnet aus den eigenen Regeltabellen des Spiels.</translation>
    </message>
    <message>
        <source>Quorvane Development presents</source>
        <translation>Quorvane Development präsentiert</translation>
    </message>
    <message>
        <source>Press any key to continue...</source>
        <translation>Weiter mit beliebiger Taste...</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quorvane Development. All rights reserved.</source>
        <translation>Copyright (C) 2026 Quorvane Development. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>tarvello::frmUnitCard</name>
    <message>
        <source>PNG image, 300 dpi (*.png)|*.png|PDF document (*.pdf)|*.pdf</source>
        <translation>PNG-Bild, 300 dpi (*.png)|*.png|PDF-Dokument (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Style changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Änderungen des Stils nicht gespeichert!<byte value="xd"/>
Jetzt speichern?</translation>
    </message>
    <message>
        <source>Layout changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Änderungen des Layouts nicht gespeichert!<byte value="xd"/>
Jetzt speichern?</translation>
    </message>
</context>
</TS>
