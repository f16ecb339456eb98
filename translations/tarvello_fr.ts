<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Core</name>
    <message>
        <source>Edit Army Name</source>
        <translation>Modifier le nom de l&apos;armée</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Modifier le dossier</translation>
    </message>
    <message>
        <source>Edit Points Limit</source>
        <translation>Modifier la limite de points</translation>
    </message>
    <message>
        <source>Change Directory</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Update Army Costs</source>
        <translation>Mettre à jour les coûts de l&apos;armée</translation>
    </message>
    <message>
        <source>Error in calculating cost!</source>
        <translation>Erreur lors du calcul du coût !</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figurine</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Training Level</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Hit Factor</source>
        <translation>Facteur de touche</translation>
    </message>
    <message>
        <source>Hit Points</source>
        <translation>Points de vie</translation>
    </message>
    <message>
        <source>Morale</source>
        <translation>Moral</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Command Skill</source>
        <translation>Commandement</translation>
    </message>
    <message>
        <source>Melee Weapon</source>
        <translation>Arme de mêlée</translation>
    </message>
    <message>
        <source>Missile Weapon</source>
        <translation>Arme de tir</translation>
    </message>
    <message>
        <source>Extra Items</source>
        <translation>Équipement supplémentaire</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Armure</translation>
    </message>
    <message>
        <source>Unit(s)</source>
        <translation>Unité(s)</translation>
    </message>
    <message>
        <source>Unit Size</source>
        <translation>Taille d&apos;unité</translation>
    </message>
    <message>
        <source>The unit card cannot be opened!</source>
        <translation>La carte d&apos;unité ne peut pas être ouverte !</translation>
    </message>
    <message>
        <source>Change Heading Font</source>
        <translation>Changer la police du titre</translation>
    </message>
    <message>
        <source>Change Data Font</source>
        <translation>Changer la police des données</translation>
    </message>
    <message>
        <source>Change Attack Font</source>
        <translation>Changer la police des attaques</translation>
    </message>
    <message>
        <source>Change Attack Roll Font</source>
        <translation>Changer la police des jets d&apos;attaque</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Changer la police</translation>
    </message>
    <message>
        <source>Enlarge Picture</source>
        <translation>Agrandir l&apos;image</translation>
    </message>
    <message>
        <source>Reduce Picture</source>
        <translation>Réduire l&apos;image</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Changer le style</translation>
    </message>
    <message>
        <source>Error in changing style!</source>
        <translation>Erreur lors du changement de style !</translation>
    </message>
    <message>
        <source>Load Style</source>
        <translation>Charger un style</translation>
    </message>
    <message>
        <source>Unit must be saved first in order to save layout data!</source>
        <translation>L&apos;unité doit d&apos;abord être enregistrée pour pouvoir enregistrer la mise en page !</translation>
    </message>
    <message>
        <source>Hide Design</source>
        <translation>Masquer la conception</translation>
    </message>
    <message>
        <source>Show Design</source>
        <translation>Afficher la conception</translation>
    </message>
    <message>
        <source>Error saving image!</source>
        <translation>Erreur lors de l&apos;enregistrement de l&apos;image !</translation>
    </message>
    <message>
        <source>Check Movement Cost</source>
        <translation>Activer le coût de mouvement</translation>
    </message>
    <message>
        <source>Clear Movement Cost</source>
        <translation>Désactiver le coût de mouvement</translation>
    </message>
    <message>
        <source>Check Range Cost</source>
        <translation>Activer le coût de portée</translation>
    </message>
    <message>
        <source>Clear Range Cost</source>
        <translation>Désactiver le coût de portée</translation>
    </message>
    <message>
        <source>Edit Adjust Hit Factor</source>
        <translation>Modifier l&apos;ajustement du facteur de touche</translation>
    </message>
    <message>
        <source>Edit Hit Points</source>
        <translation>Modifier les points de vie</translation>
    </message>
    <message>
        <source>Edit Figure Name</source>
        <translation>Modifier le nom de la figurine</translation>
    </message>
    <message>
        <source>Edit Image File</source>
        <translation>Modifier le fichier image</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Changer l&apos;image</translation>
    </message>
    <message>
        <source>Not a figure file</source>
        <translation>Ce n&apos;est pas un fichier de figurine</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Arme</translation>
    </message>
    <message>
        <source>Max Damage</source>
        <translation>Dégâts max.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Attack Radius</source>
        <translation>Rayon d&apos;attaque</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Courte</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longue</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Error in loading %1 !</source>
        <translation>Erreur lors du chargement de %1 !</translation>
    </message>
    <message>
        <source>Error in saving %1 !</source>
        <translation>Erreur lors de l&apos;enregistrement de %1 !</translation>
    </message>
    <message>
        <source>Error in saving style %1 !</source>
        <translation>Erreur lors de l&apos;enregistrement du style %1 !</translation>
    </message>
    <message>
        <source>Error in loading style %1 !</source>
        <translation>Erreur lors du chargement du style %1 !</translation>
    </message>
    <message>
        <source>Error in saving army %1</source>
        <translation>Erreur lors de l&apos;enregistrement de l&apos;armée %1</translation>
    </message>
    <message>
        <source>Error in preparing %1 !</source>
        <translation>Erreur lors de la préparation de %1 !</translation>
    </message>
    <message>
        <source>The item %1 does not exist in current resourcefiles!</source>
        <translation>L&apos;élément %1 n&apos;existe pas dans les tables de règles actuelles !</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be read; the figure opens without it, and saving keeps the stored picture until another one is chosen.</source>
        <translation>L&apos;image de %1 est illisible ; la figurine s&apos;ouvre sans elle, et l&apos;enregistrement conserve l&apos;image stockée jusqu&apos;au choix d&apos;une autre.</translation>
    </message>
    <message>
        <source>The settings file %1 is not an ordinary file, so it is not opened. Tarvello starts with its default settings and keeps changes to them only until it ends.</source>
        <translation>Le fichier de réglages %1 n&apos;est pas un fichier ordinaire ; il n&apos;est donc pas ouvert. Tarvello démarre avec ses réglages par défaut et ne garde les modifications que jusqu&apos;à sa fermeture.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>Choisir %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Set Shots of %1</source>
        <translation>Fixer les tirs de %1</translation>
    </message>
    <message>
        <source>Change Count of %1</source>
        <translation>Changer le nombre de %1</translation>
    </message>
    <message>
        <source>Change Size of %1</source>
        <translation>Changer la taille de %1</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Disk full or write error</source>
        <translation>Disque plein ou erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>File name too long for the file system</source>
        <translation>Nom de fichier trop long pour le système de fichiers</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Figure</source>
        <translation>&amp;Figurine</translation>
    </message>
    <message>
        <source>New Figure: compose a figure in a new figure editor</source>
        <translation>Nouvelle figurine : composer une figurine dans un nouvel éditeur de figurine</translation>
    </message>
    <message>
        <source>New Figure</source>
        <translation>Nouvelle figurine</translation>
    </message>
    <message>
        <source>&amp;Army</source>
        <translation>&amp;Armée</translation>
    </message>
    <message>
        <source>New Army: assemble an army in a new army editor</source>
        <translation>Nouvelle armée : constituer une armée dans un nouvel éditeur d&apos;armée</translation>
    </message>
    <message>
        <source>New Army</source>
        <translation>Nouvelle armée</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open Figure: open a figure file (%1) in a new figure editor</source>
        <translation>Ouvrir une figurine : ouvrir un fichier de figurine (%1) dans un nouvel éditeur de figurine</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Ouvrir une figurine</translation>
    </message>
    <message>
        <source>Open Army: open an army file (%1) in a new army editor</source>
        <translation>Ouvrir une armée : ouvrir un fichier d&apos;armée (%1) dans un nouvel éditeur d&apos;armée</translation>
    </message>
    <message>
        <source>Open Army</source>
        <translation>Ouvrir une armée</translation>
    </message>
    <message>
        <source>&amp;Resource</source>
        <translation>&amp;Table de règles</translation>
    </message>
    <message>
        <source>Edit one of the rules tables</source>
        <translation>Modifier l&apos;une des tables de règles</translation>
    </message>
    <message>
        <source>Open Recen&amp;t</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Open one of the figures and armies last opened or saved</source>
        <translation>Ouvrir l&apos;une des dernières figurines ou armées ouvertes ou enregistrées</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active window&apos;s figure, army, table or card layout</source>
        <translation>Enregistrer la figurine, l&apos;armée, la table ou la mise en page de carte de la fenêtre active</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Save the active figure or army in another file</source>
        <translation>Enregistrer la figurine ou l&apos;armée active dans un autre fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print the active window&apos;s report, card or table</source>
        <translation>Imprimer le rapport, la carte ou la table de la fenêtre active</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Preview: show the active window&apos;s printout before printing it</source>
        <translation>Aperçu avant impression : montrer l&apos;impression de la fenêtre active avant de l&apos;imprimer</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <translation>Imprimer les &amp;cartes...</translation>
    </message>
    <message>
        <source>Print the unit cards of the active figure or army, several to a page</source>
        <translation>Imprimer les cartes d&apos;unité de la figurine ou de l&apos;armée active, plusieurs par page</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Put the active figure&apos;s or army&apos;s report on the clipboard as text</source>
        <translation>Copier le rapport de la figurine ou de l&apos;armée active dans le presse-papiers, en texte</translation>
    </message>
    <message>
        <source>&amp;Refresh Resources</source>
        <translation>Recharger les &amp;tables</translation>
    </message>
    <message>
        <source>Load the rules tables again, with the changes saved in them</source>
        <translation>Recharger les tables de règles, avec les modifications qui y ont été enregistrées</translation>
    </message>
    <message>
        <source>&amp;Update Costs…</source>
        <translation>&amp;Mettre à jour les coûts…</translation>
    </message>
    <message>
        <source>Save the army&apos;s figures with the costs the rules tables give them now</source>
        <translation>Enregistrer les figurines de l&apos;armée avec les coûts que leur donnent maintenant les tables de règles</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close every window and quit Tarvello</source>
        <translation>Fermer toutes les fenêtres et quitter Tarvello</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active window</source>
        <translation>Fermer la fenêtre active</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>Lis&amp;ez-moi</translation>
    </message>
    <message>
        <source>Show readme.txt</source>
        <translation>Afficher readme.txt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Show the title window</source>
        <translation>Afficher la fenêtre de titre</translation>
    </message>
    <message>
        <source>Tarvello cannot find your home folder!</source>
        <translation>Tarvello ne trouve pas votre dossier personnel !</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Edit Cell</source>
        <translation>Modifier la cellule</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Error printing table!</source>
        <translation>Erreur lors de l&apos;impression de la table !</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>L&apos;impression n&apos;a pas pu être terminée.</translation>
    </message>
    <message>
        <source>This card is too full to fit, even with its texts at 6 points: shorten its texts or choose smaller fonts.</source>
        <translation>Cette carte est trop remplie, même avec ses textes en 6 points : raccourcissez ses textes ou choisissez des polices plus petites.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Supprimer des lignes</translation>
    </message>
    <message>
        <source>Cut Rows</source>
        <translation>Couper des lignes</translation>
    </message>
    <message>
        <source>Error in printing Unit Card!</source>
        <translation>Erreur lors de l&apos;impression de la carte d&apos;unité !</translation>
    </message>
    <message>
        <source>Error in exporting figure data!</source>
        <translation>Erreur lors de l&apos;exportation des données de la figurine !</translation>
    </message>
    <message>
        <source>Figure data has been exported to the clipboard.</source>
        <translation>Les données de la figurine ont été exportées dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Errors in table %1</source>
        <translation>Erreurs dans la table %1</translation>
    </message>
    <message>
        <source>Error in savin resource file %1</source>
        <translation>Erreur lors de l&apos;enregistrement de la table de règles %1</translation>
    </message>
    <message>
        <source>Stored cost %1, now %2 after table changes</source>
        <translation>Coût enregistré %1, désormais %2 après modification des tables</translation>
    </message>
    <message>
        <source>Error in reading armortype data!</source>
        <translation>Erreur lors de la lecture des types d&apos;armure !</translation>
    </message>
    <message>
        <source>&amp;Armor Types</source>
        <translation>Types d&apos;&amp;armure</translation>
    </message>
    <message>
        <source>Error in reading race data!</source>
        <translation>Erreur lors de la lecture des races !</translation>
    </message>
    <message>
        <source>&amp;Races</source>
        <translation>&amp;Races</translation>
    </message>
    <message>
        <source>Error in reading defense factor data!</source>
        <translation>Erreur lors de la lecture des facteurs de défense !</translation>
    </message>
    <message>
        <source>Defense Factor</source>
        <translation>Facteur de défense</translation>
    </message>
    <message>
        <source>Error in reading move data!</source>
        <translation>Erreur lors de la lecture des types de mouvement !</translation>
    </message>
    <message>
        <source>M&amp;ovement Types</source>
        <translation>Types de &amp;mouvement</translation>
    </message>
    <message>
        <source>Error in reading melee weapons data!</source>
        <translation>Erreur lors de la lecture des armes de mêlée !</translation>
    </message>
    <message>
        <source>M&amp;elee Weapons</source>
        <translation>Armes de &amp;mêlée</translation>
    </message>
    <message>
        <source>Error in reading missile weapons data!</source>
        <translation>Erreur lors de la lecture des armes de tir !</translation>
    </message>
    <message>
        <source>M&amp;issile Weapons</source>
        <translation>Armes de &amp;tir</translation>
    </message>
    <message>
        <source>Error in reading extra items data!</source>
        <translation>Erreur lors de la lecture de l&apos;équipement supplémentaire !</translation>
    </message>
    <message>
        <source>E&amp;xtra Items</source>
        <translation>Équipement &amp;supplémentaire</translation>
    </message>
    <message>
        <source>Error in reading command skill data!</source>
        <translation>Erreur lors de la lecture du commandement !</translation>
    </message>
    <message>
        <source>Error in reading green atttack roll data!</source>
        <translation>Erreur lors de la lecture des jets d&apos;attaque (recrue) !</translation>
    </message>
    <message>
        <source>Green Attack Roll</source>
        <translation>Jet d&apos;attaque recrue</translation>
    </message>
    <message>
        <source>Error in reading line atttack roll data!</source>
        <translation>Erreur lors de la lecture des jets d&apos;attaque (ligne) !</translation>
    </message>
    <message>
        <source>Line Attack Roll</source>
        <translation>Jet d&apos;attaque ligne</translation>
    </message>
    <message>
        <source>Error in reading elite atttack roll data!</source>
        <translation>Erreur lors de la lecture des jets d&apos;attaque (élite) !</translation>
    </message>
    <message>
        <source>Elite Attack Roll</source>
        <translation>Jet d&apos;attaque élite</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Targeting System</source>
        <translation>Système de visée</translation>
    </message>
    <message>
        <source>Figure: %1</source>
        <translation>Figurine : %1</translation>
    </message>
    <message>
        <source>Army: %1</source>
        <translation>Armée : %1</translation>
    </message>
    <message>
        <source>Unit Card: %1</source>
        <translation>Carte d&apos;unité : %1</translation>
    </message>
    <message>
        <source>The card does not fit on this paper.</source>
        <translation>La carte ne tient pas sur ce papier.</translation>
    </message>
    <message>
        <source>%1 card on %2 page</source>
        <translation>%1 carte sur %2 page</translation>
    </message>
    <message>
        <source>%1 card on %2 pages</source>
        <translation>%1 carte sur %2 pages</translation>
    </message>
    <message>
        <source>%1 cards on %2 page</source>
        <translation>%1 cartes sur %2 page</translation>
    </message>
    <message>
        <source>%1 cards on %2 pages</source>
        <translation>%1 cartes sur %2 pages</translation>
    </message>
    <message>
        <source>Import Army from Text</source>
        <translation>Importer une armée depuis un texte</translation>
    </message>
    <message>
        <source>no figure of this name</source>
        <translation>aucune figurine de ce nom</translation>
    </message>
    <message>
        <source>%1 figures of this name</source>
        <translation>%1 figurines de ce nom</translation>
    </message>
    <message>
        <source>Army &amp;Pack…</source>
        <translation>&amp;Paquet d&apos;armée…</translation>
    </message>
    <message>
        <source>Open Army Pack: unpack an army pack (%1) into a new folder and open its army</source>
        <translation>Ouvrir un paquet d&apos;armée : décompresser un paquet d&apos;armée (%1) dans un nouveau dossier et ouvrir son armée</translation>
    </message>
    <message>
        <source>Open Army Pack</source>
        <translation>Ouvrir un paquet d&apos;armée</translation>
    </message>
    <message>
        <source>Export Army Pac&amp;k…</source>
        <translation>Exporter un pa&amp;quet d&apos;armée…</translation>
    </message>
    <message>
        <source>Export Army Pack: one file holding the army and its figure files, to send or move</source>
        <translation>Exporter un paquet d&apos;armée : un seul fichier contenant l&apos;armée et ses fichiers de figurines, à envoyer ou déplacer</translation>
    </message>
    <message>
        <source>&amp;Import Army from Text…</source>
        <translation>&amp;Importer une armée depuis un texte…</translation>
    </message>
    <message>
        <source>Import Army from Text: a new army of the figures an army list names</source>
        <translation>Importer une armée depuis un texte : une nouvelle armée des figurines que nomme une liste d&apos;armée</translation>
    </message>
    <message>
        <source>%1 with current costs (%2 over)</source>
        <translation>%1 avec les coûts actuels (%2 de plus)</translation>
    </message>
    <message>
        <source>%1 with current costs (%2 under)</source>
        <translation>%1 avec les coûts actuels (%2 de moins)</translation>
    </message>
    <message>
        <source>%1 with current costs (the same)</source>
        <translation>%1 avec les coûts actuels (identique)</translation>
    </message>
    <message>
        <source>maximum damage</source>
        <translation>dégâts maximaux</translation>
    </message>
    <message>
        <source>attack radius</source>
        <translation>rayon d&apos;attaque</translation>
    </message>
    <message>
        <source>short range</source>
        <translation>portée courte</translation>
    </message>
    <message>
        <source>long range</source>
        <translation>portée longue</translation>
    </message>
    <message>
        <source>number of shots</source>
        <translation>nombre de tirs</translation>
    </message>
    <message>
        <source>Final Cost</source>
        <translation>Coût final</translation>
    </message>
    <message>
        <source>Adjusted Hit Factor</source>
        <translation>Facteur de touche ajusté</translation>
    </message>
    <message>
        <source>Base Morale</source>
        <translation>Moral de base</translation>
    </message>
    <message>
        <source>Initiative Modifier</source>
        <translation>Modificateur d&apos;initiative</translation>
    </message>
    <message>
        <source>Magic Skill</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Each weapon&apos;s share is Defense Factor × Move Multiplier × Hit Points × its own multiplier:</source>
        <translation>La part de chaque arme est Facteur de défense × Multiplicateur de mouvement × Points de vie × son propre multiplicateur :</translation>
    </message>
    <message>
        <source>The row is the adjusted hit factor rounded to a whole number.</source>
        <translation>La ligne est le facteur de touche ajusté arrondi à un nombre entier.</translation>
    </message>
    <message>
        <source>No weapons: Defense Factor, Move Multiplier and Hit Points add nothing.</source>
        <translation>Aucune arme : le Facteur de défense, le Multiplicateur de mouvement et les Points de vie n&apos;ajoutent rien.</translation>
    </message>
    <message>
        <source>A missile weapon&apos;s multiplier follows its Short and Long ranges (Range Cost checked), times its Attack Radius.</source>
        <translation>Le multiplicateur d&apos;une arme de tir suit ses portées courte et longue (Coût de portée coché), multiplié par son rayon d&apos;attaque.</translation>
    </message>
    <message>
        <source>A missile weapon&apos;s multiplier counts Attack Radius times.</source>
        <translation>Le multiplicateur d&apos;une arme de tir compte autant de fois que son rayon d&apos;attaque.</translation>
    </message>
    <message>
        <source>Extra Items 0: no extra items chosen.</source>
        <translation>Équipement supplémentaire 0 : aucun équipement supplémentaire choisi.</translation>
    </message>
    <message>
        <source>(Defense Factor × Total Weapon Multiplier × Move Multiplier) × Hit Points + Command Skill + Magic Skill + Extra Items.</source>
        <translation>(Facteur de défense × Multiplicateur total des armes × Multiplicateur de mouvement) × Points de vie + Commandement + Magie + Équipement supplémentaire.</translation>
    </message>
    <message>
        <source>A figure file holds at most 4096 × 4096 pixels: No keeps the figure&apos;s picture as it is.</source>
        <translation>Un fichier de figurine contient au plus 4096 × 4096 pixels : Non garde l&apos;image de la figurine telle quelle.</translation>
    </message>
    <message>
        <source>The file ends inside the bitmap&apos;s headers.</source>
        <translation>Le fichier se termine au milieu des en-têtes du bitmap.</translation>
    </message>
    <message>
        <source>The file ends before its picture does.</source>
        <translation>Le fichier se termine avant la fin de son image.</translation>
    </message>
    <message>
        <source>Figure (*.tvf)</source>
        <translation>Figurine (*.tvf)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Army (*.tva)</source>
        <translation>Armée (*.tva)</translation>
    </message>
    <message>
        <source>Style (*.tvs)</source>
        <translation>Style (*.tvs)</translation>
    </message>
    <message>
        <source>Army pack (*.tvz)</source>
        <translation>Paquet d&apos;armée (*.tvz)</translation>
    </message>
    <message>
        <source>The cost cannot be calculated now: %1</source>
        <translation>Le coût ne peut pas être calculé maintenant : %1</translation>
    </message>
    <message>
        <source>Training Level %1</source>
        <translation>Niveau d&apos;entraînement %1</translation>
    </message>
    <message>
        <source>Targeting System %1</source>
        <translation>Système de visée %1</translation>
    </message>
    <message>
        <source>Defense Factor %1: row %2 of the defense factor table, chosen by the adjusted hit factor %3.</source>
        <translation>Facteur de défense %1 : ligne %2 de la table des facteurs de défense, choisie par le facteur de touche ajusté %3.</translation>
    </message>
    <message>
        <source>Armor Type %1, its column for %2</source>
        <translation>Type d&apos;armure %1, sa colonne pour %2</translation>
    </message>
    <message>
        <source>Armor Type %1, its column for every type but Normal</source>
        <translation>Type d&apos;armure %1, sa colonne pour tout type sauf Normal</translation>
    </message>
    <message>
        <source>Adjusted hit factor %1 = base hit factor %2 (%3)%4 (Race %5)%6 (Adjust Hit Factor).</source>
        <translation>Facteur de touche ajusté %1 = facteur de touche de base %2 (%3)%4 (Race %5)%6 (Ajuster le facteur de touche).</translation>
    </message>
    <message>
        <source>The table has rows 1 to %1, so %2 is used.</source>
        <translation>La table a les lignes 1 à %1, donc %2 est utilisé.</translation>
    </message>
    <message>
        <source>%1: %2 (Max Damage %3)</source>
        <translation>%1 : %2 (Dégâts max. %3)</translation>
    </message>
    <message>
        <source>%1: %2 (Max Damage %3, Attack Radius %4)</source>
        <translation>%1 : %2 (Dégâts max. %3, Rayon d&apos;attaque %4)</translation>
    </message>
    <message>
        <source>%1: %2 (Max Damage %3, Attack Radius %4, limited to %5 shots)</source>
        <translation>%1 : %2 (Dégâts max. %3, Rayon d&apos;attaque %4, limité à %5 tirs)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Total Weapon Multiplier %1 = melee %2 + missile %3.</source>
        <translation>Multiplicateur total des armes %1 = mêlée %2 + tir %3.</translation>
    </message>
    <message>
        <source>Each weapon&apos;s share comes from the %1 attack-roll table (%2), row = its Max Damage.</source>
        <translation>La part de chaque arme vient de la table des jets d&apos;attaque %1 (%2), ligne = ses Dégâts max.</translation>
    </message>
    <message>
        <source>Move Multiplier %1: the movement table&apos;s multiplier for Movement %2.</source>
        <translation>Multiplicateur de mouvement %1 : le multiplicateur de la table des mouvements pour le Type de mouvement %2.</translation>
    </message>
    <message>
        <source>Move Multiplier %1 = Move %2 × %3 + %4, as Movement Cost is checked (Movement %5).</source>
        <translation>Multiplicateur de mouvement %1 = Mouvement %2 × %3 + %4, car Coût de mouvement est coché (Type de mouvement %5).</translation>
    </message>
    <message>
        <source>Magic Skill 0: only a BattleMage pays for magic; this figure is %1.</source>
        <translation>Magie 0 : seul un Mage de bataille paie pour la magie ; cette figurine est de type %1.</translation>
    </message>
    <message>
        <source>Magic Skill %1: a BattleMage at %2 (%3).</source>
        <translation>Magie %1 : un Mage de bataille au %2 (%3).</translation>
    </message>
    <message>
        <source>Extra Items %1 = %2, each item&apos;s Cost.</source>
        <translation>Équipement supplémentaire %1 = %2, le coût de chaque objet.</translation>
    </message>
    <message>
        <source>Cost %1 = (%2 × %3 × %4) × %5 + %6 + %7 + %8</source>
        <translation>Coût %1 = (%2 × %3 × %4) × %5 + %6 + %7 + %8</translation>
    </message>
    <message>
        <source>Hit Points %1, as set in the Hit Points field.</source>
        <translation>Points de vie %1, tels que réglés dans le champ Points de vie.</translation>
    </message>
    <message>
        <source>Command Skill %1: the cost of %2 in the command skill table.</source>
        <translation>Commandement %1 : le coût de %2 dans la table de commandement.</translation>
    </message>
    <message>
        <source>Final Cost %1: the Cost, already a whole number.</source>
        <translation>Coût final %1 : le Coût, déjà un nombre entier.</translation>
    </message>
    <message>
        <source>Final Cost %1: the Cost %2 rounded to a whole number, a half to the even neighbour.</source>
        <translation>Coût final %1 : le Coût %2 arrondi à un nombre entier, une moitié vers le voisin pair.</translation>
    </message>
    <message>
        <source>%1: %2 = Defense Factor %3 × Move Multiplier %4 × Hit Points %5 × its multiplier %6</source>
        <translation>%1 : %2 = Facteur de défense %3 × Multiplicateur de mouvement %4 × Points de vie %5 × son multiplicateur %6</translation>
    </message>
    <message>
        <source>%1: %2, the item&apos;s Cost</source>
        <translation>%1 : %2, le coût de l&apos;objet</translation>
    </message>
    <message>
        <source>Command Skill: %1 (%2)</source>
        <translation>Commandement : %1 (%2)</translation>
    </message>
    <message>
        <source>Magic Skill: %1 (a BattleMage at %2)</source>
        <translation>Magie : %1 (un Mage de bataille au niveau %2)</translation>
    </message>
    <message>
        <source>Rounding: %1, the Cost %2 rounded to the Final Cost %3</source>
        <translation>Arrondi : %1, le Coût %2 arrondi au Coût final %3</translation>
    </message>
    <message>
        <source>Final Cost %1, in the parts the cost formula adds.</source>
        <translation>Coût final %1, selon les parts que la formule de coût additionne.</translation>
    </message>
    <message>
        <source>Defense Factor %1 (Race %2, Armor Type %3, adjusted hit factor %4)</source>
        <translation>Facteur de défense %1 (Race %2, Type d&apos;armure %3, facteur de touche ajusté %4)</translation>
    </message>
    <message>
        <source>Move Multiplier %1 (Movement %2)</source>
        <translation>Multiplicateur de mouvement %1 (Type de mouvement %2)</translation>
    </message>
    <message>
        <source>Hit Points %1</source>
        <translation>Points de vie %1</translation>
    </message>
    <message>
        <source>%1: the attack-roll table each weapon&apos;s multiplier comes from</source>
        <translation>%1 : la table des jets d&apos;attaque d&apos;où vient le multiplicateur de chaque arme</translation>
    </message>
    <message>
        <source>%1: %2 points in %3</source>
        <translation>%1 : %2 points en %3</translation>
    </message>
    <message>
        <source>Rounding: %1, as the total rounds to a whole number after every line</source>
        <translation>Arrondi : %1, car le total est arrondi à un nombre entier après chaque ligne</translation>
    </message>
    <message>
        <source>Left: %1 points to the limit</source>
        <translation>Reste : %1 points jusqu&apos;à la limite</translation>
    </message>
    <message>
        <source>Over: %1 points beyond the limit</source>
        <translation>Dépassement : %1 points au-delà de la limite</translation>
    </message>
    <message>
        <source>Total %1 points by figure type</source>
        <translation>Total %1 points par type de figurine</translation>
    </message>
    <message>
        <source>Total %1 points by figure type, against the points limit %2 (marked)</source>
        <translation>Total %1 points par type de figurine, face à la limite de points %2 (marquée)</translation>
    </message>
    <message>
        <source>The army has negative counts, unit sizes or costs in line %1. They are counted as they are, so the total is lower than the other lines cost.</source>
        <translation>L&apos;armée a des nombres, des tailles d&apos;unité ou des coûts négatifs à la ligne %1. Ils sont comptés tels quels, le total est donc inférieur au coût des autres lignes.</translation>
    </message>
    <message>
        <source>The army has negative counts, unit sizes or costs in lines %1. They are counted as they are, so the total is lower than the other lines cost.</source>
        <translation>L&apos;armée a des nombres, des tailles d&apos;unité ou des coûts négatifs aux lignes %1. Ils sont comptés tels quels, le total est donc inférieur au coût des autres lignes.</translation>
    </message>
    <message>
        <source>The army has negative counts, unit sizes or costs in lines %1 and %2 more. They are counted as they are, so the total is lower than the other lines cost.</source>
        <translation>L&apos;armée a des nombres, des tailles d&apos;unité ou des coûts négatifs aux lignes %1 et %2 autres. Ils sont comptés tels quels, le total est donc inférieur au coût des autres lignes.</translation>
    </message>
    <message>
        <source>The points limit of this army file cannot be read (&quot;%1&quot;): the army is shown without a limit. The file keeps its field as it is unless you set a limit, a whole number from 0 to 999,999,999.</source>
        <translation>La limite de points de ce fichier d&apos;armée ne peut pas être lue (« %1 ») : l&apos;armée est affichée sans limite. Le fichier garde son champ tel quel, sauf si vous fixez une limite, un nombre entier de 0 à 999 999 999.</translation>
    </message>
    <message>
        <source>Unit line %1 (%2)</source>
        <translation>Ligne d&apos;unité %1 (%2)</translation>
    </message>
    <message>
        <source>The field %1 holds &quot;%2&quot;, which is not a number.</source>
        <translation>Le champ %1 contient « %2 », qui n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The field %1 holds &quot;%2&quot;, which is too large.</source>
        <translation>Le champ %1 contient « %2 », qui est trop grand.</translation>
    </message>
    <message>
        <source>The weapon %1 has a %2 of %3, which is too large.</source>
        <translation>Pour l&apos;arme %1, la valeur %3 de « %2 » est trop grande.</translation>
    </message>
    <message>
        <source>The weapon %1 has a maximum damage of %2, for which the %3 attack roll table has no row.</source>
        <translation>L&apos;arme %1 a des dégâts maximaux de %2, pour lesquels la table des jets d&apos;attaque %3 n&apos;a pas de ligne.</translation>
    </message>
    <message>
        <source>This picture is %1 × %2 pixels; printed on a card it needs at most %3 × %4. Scale it down? (Yes keeps the figure file small)</source>
        <translation>Cette image mesure %1 × %2 pixels ; imprimée sur une carte, elle a besoin d&apos;au plus %3 × %4. La réduire ? (Oui garde le fichier de figurine petit)</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 bytes its picture needs.</source>
        <translation>Le fichier se termine après %1 des %2 octets dont son image a besoin.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read!</source>
        <translation>L&apos;image %1 ne peut pas être lue !</translation>
    </message>
    <message>
        <source>%1 are more than one print job makes: at most %2 pages (%3 cards) are printed at a time. Print the army in parts, or one card per line.</source>
        <translation>%1, c&apos;est plus qu&apos;une tâche d&apos;impression n&apos;en produit : au plus %2 pages (%3 cartes) sont imprimées à la fois. Imprimez l&apos;armée en plusieurs parties, ou une carte par ligne.</translation>
    </message>
    <message>
        <source>%1 card printed</source>
        <translation>%1 carte imprimée</translation>
    </message>
    <message>
        <source>%1 cards printed</source>
        <translation>%1 cartes imprimées</translation>
    </message>
    <message>
        <source>%1 card previewed</source>
        <translation>%1 carte en aperçu</translation>
    </message>
    <message>
        <source>%1 cards previewed</source>
        <translation>%1 cartes en aperçu</translation>
    </message>
    <message>
        <source>%1, %2 skipped: %3</source>
        <translation>%1, %2 ignorée(s) : %3</translation>
    </message>
    <message>
        <source>%1, %2 without its picture: %3</source>
        <translation>%1, %2 sans son image : %3</translation>
    </message>
    <message>
        <source>%1, %2 without their picture: %3</source>
        <translation>%1, %2 sans leur image : %3</translation>
    </message>
    <message>
        <source>Line %1, %2: %3</source>
        <translation>Ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>Line %1, %2 fields of %3 (no %4)</source>
        <translation>Ligne %1, %2 champs sur %3 (pas de %4)</translation>
    </message>
    <message>
        <source>Its %1 &quot;%2&quot; is not a number.</source>
        <translation>Sa valeur %1 « %2 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Its %1 %2 is below 0.</source>
        <translation>Sa valeur %1 %2 est inférieure à 0.</translation>
    </message>
    <message>
        <source>It is %1 × %2 pixels, more than a figure file holds (4096 × 4096).</source>
        <translation>Elle mesure %1 × %2 pixels, plus qu&apos;un fichier de figurine n&apos;en contient (4096 × 4096).</translation>
    </message>
    <message>
        <source>The font specified (%1) in the style does not exist on this computer.%2 has been selected instead.</source>
        <translation>La police indiquée (%1) dans le style n&apos;existe pas sur cet ordinateur. %2 a été choisie à la place.</translation>
    </message>
    <message>
        <source>The style holds font sizes that cannot be drawn: %1. The card draws those texts at their default size; the style keeps the sizes as written.</source>
        <translation>Le style contient des tailles de police qui ne peuvent pas être dessinées : %1. La carte dessine ces textes à leur taille par défaut ; le style garde les tailles telles qu&apos;écrites.</translation>
    </message>
    <message>
        <source>The file %1 holds no card style (no [Style] section). The card&apos;s fonts are set to the defaults.</source>
        <translation>Le fichier %1 ne contient aucun style de carte (pas de section [Style]). Les polices de la carte sont remises aux valeurs par défaut.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Tarvello opens figure files (%2) and army files (%3).</source>
        <translation>%1 ne peut pas être ouvert : Tarvello ouvre les fichiers de figurine (%2) et les fichiers d&apos;armée (%3).</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Tarvello opens figure files (%2), army files (%3) and army packs (%4).</source>
        <translation>%1 ne peut pas être ouvert : Tarvello ouvre les fichiers de figurine (%2), les fichiers d&apos;armée (%3) et les paquets d&apos;armée (%4).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>Tarvello goes on with the files of %1.</source>
        <translation>Tarvello continue avec les fichiers de %1.</translation>
    </message>
    <message>
        <source>The rules tables %1 in %2 were empty (a copy cut short) and have been replaced by the tables shipped with Tarvello.</source>
        <translation>Les tables de règles %1 dans %2 étaient vides (une copie interrompue) et ont été remplacées par les tables livrées avec Tarvello.</translation>
    </message>
    <message>
        <source>Line %1 of the file</source>
        <translation>Ligne %1 du fichier</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>HOME is not set, and the system&apos;s user database names no home folder for this user. Tarvello stops.</source>
        <translation>HOME n&apos;est pas défini, et la base des utilisateurs du système n&apos;indique aucun dossier personnel pour cet utilisateur. Tarvello s&apos;arrête.</translation>
    </message>
    <message>
        <source>Tarvello stops.</source>
        <translation>Tarvello s&apos;arrête.</translation>
    </message>
    <message>
        <source>Error loading readme file!</source>
        <translation>Erreur lors du chargement du fichier Lisez-moi !</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Commander</source>
        <translation>Commandant</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Héros</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>BattleMage</source>
        <translation>Mage de bataille</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Elite</source>
        <translation>Élite</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Apprentice</source>
        <translation>Apprenti</translation>
    </message>
    <message>
        <source>Journeyman</source>
        <translation>Compagnon</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autres</translation>
    </message>
    <message>
        <source>Army Creator</source>
        <translation>Créateur d&apos;armée</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4, %5 %6</source>
        <translation>%1 %2, %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>%1 + %2 more</source>
        <translation>%1 + %2 de plus</translation>
    </message>
</context>
<context>
    <name>ImportArmyDialog</name>
    <message>
        <source>Import Army from Text</source>
        <translation>Importer une armée depuis un texte</translation>
    </message>
    <message>
        <source>&amp;Army list (the text of File, Export, or one unit a line: &quot;3 x Spearman&quot;, &quot;Spearman x3 (size 10)&quot;):</source>
        <translation>&amp;Liste d&apos;armée (le texte de Fichier, Exporter, ou une unité par ligne : &quot;3 x Spearman&quot;, &quot;Spearman x3 (size 10)&quot;) :</translation>
    </message>
    <message>
        <source>From &amp;File…</source>
        <translation>Depuis un &amp;fichier…</translation>
    </message>
    <message>
        <source>Read the list from a text file</source>
        <translation>Lire la liste depuis un fichier texte</translation>
    </message>
    <message>
        <source>Figure &amp;directory:</source>
        <translation>&amp;Dossier des figurines :</translation>
    </message>
    <message>
        <source>The folder whose figures the list&apos;s names are looked up in</source>
        <translation>Le dossier dont les figurines sont cherchées par les noms de la liste</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Choose the folder of figures</source>
        <translation>Choisir le dossier des figurines</translation>
    </message>
    <message>
        <source>Lines that match no figure, or more than one: nothing is guessed</source>
        <translation>Lignes qui ne correspondent à aucune figurine, ou à plusieurs : rien n&apos;est deviné</translation>
    </message>
</context>
<context>
    <name>frmArmy</name>
    <message>
        <source>Army Creator</source>
        <translation>Créateur d&apos;armée</translation>
    </message>
    <message>
        <source>Army Information</source>
        <translation>Armée</translation>
    </message>
    <message>
        <source>Army Name</source>
        <translation>Nom de l&apos;armée</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>The points left under the points limit, or by how many the army is over it</source>
        <translation>Les points restant sous la limite de points, ou de combien l&apos;armée la dépasse</translation>
    </message>
    <message>
        <source>Directory to look for figures in</source>
        <translation>Dossier des figurines</translation>
    </message>
    <message>
        <source>Choose the folder of figure files and list its figures</source>
        <translation>Choisir le dossier des fichiers de figurines et lister ses figurines</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>List the figure files of the folder again</source>
        <translation>Lister à nouveau les fichiers de figurines du dossier</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Replace the figure cost stored in each army line by what the figure costs now under the current tables; changes the army only, never a figure file</source>
        <translation>Remplacer le coût de figurine stocké dans chaque ligne de l&apos;armée par son coût selon les tables actuelles ; ne modifie que l&apos;armée, jamais un fichier de figurine</translation>
    </message>
    <message>
        <source>Update Army Costs</source>
        <translation>Mettre à jour les coûts</translation>
    </message>
    <message>
        <source>List the figures of the folder whose cost differs under the current tables, and rewrite the checked figure files with their new cost</source>
        <translation>Lister les figurines du dossier dont le coût diffère selon les tables actuelles, et réécrire les fichiers cochés avec leur nouveau coût</translation>
    </message>
    <message>
        <source>Update Costs…</source>
        <translation>Mettre à jour les fichiers…</translation>
    </message>
    <message>
        <source>Points limit</source>
        <translation>Limite de points</translation>
    </message>
    <message>
        <source>The points the army may cost, a whole number from 0 to 999,999,999 (empty: no limit); only a warning, nothing is refused</source>
        <translation>Les points que l&apos;armée peut coûter, un nombre entier de 0 à 999 999 999 (vide : aucune limite) ; simple avertissement, rien n&apos;est refusé</translation>
    </message>
    <message>
        <source>Available Units</source>
        <translation>Figurines disponibles</translation>
    </message>
    <message>
        <source>F&amp;ind</source>
        <translation>Che&amp;rcher</translation>
    </message>
    <message>
        <source>Part of a figure&apos;s name, race, type or weapon</source>
        <translation>Partie du nom, de la race, du type ou d&apos;une arme d&apos;une figurine</translation>
    </message>
    <message>
        <source>Shows only the figures whose name, race, type or weapons contain this text</source>
        <translation>N&apos;affiche que les figurines dont le nom, la race, le type ou les armes contiennent ce texte</translation>
    </message>
    <message>
        <source>Add/Remove Units</source>
        <translation>Ajouter/retirer des unités</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>unit(s) with unit size</source>
        <translation>unité(s) de taille</translation>
    </message>
    <message>
        <source>Add the chosen units of the selected figure to the army (Enter or a double-click on a figure does the same)</source>
        <translation>Ajouter à l&apos;armée les unités choisies de la figurine sélectionnée (Entrée ou un double-clic sur une figurine font de même)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove the selected army line, whatever its count</source>
        <translation>Retirer la ligne d&apos;armée sélectionnée, quel que soit son nombre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Print the unit card of each army line or unit, or one per figure, optionally after a roster page</source>
        <translation>Imprimer la carte d&apos;unité de chaque ligne ou unité de l&apos;armée, ou une par figurine, éventuellement après une page de liste</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <translation>Imprimer les &amp;cartes...</translation>
    </message>
    <message>
        <source>Selected Units</source>
        <translation>Unités choisies</translation>
    </message>
    <message>
        <source>Modify Selected Unit Count</source>
        <translation>Modifier le nombre de la ligne choisie</translation>
    </message>
    <message>
        <source>Modify Selected Unit Size</source>
        <translation>Modifier la taille de la ligne choisie</translation>
    </message>
    <message>
        <source>The total the lines would give with their figures&apos; costs now (the Now column); Update Army Costs makes it the total</source>
        <translation>Le total que donneraient les lignes avec les coûts actuels de leurs figurines (colonne Actuel) ; Mettre à jour les coûts en fait le total</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>1 figure was not found: %1. Pack without it?</source>
        <translation>1 figurine est introuvable : %1. Empaqueter sans elle ?</translation>
    </message>
    <message>
        <source>%1 figures were not found: %2. Pack without them?</source>
        <translation>%1 figurines sont introuvables : %2. Empaqueter sans elles ?</translation>
    </message>
    <message>
        <source>No line names a figure of this folder</source>
        <translation>Aucune ligne ne nomme une figurine de ce dossier</translation>
    </message>
    <message>
        <source>1 unit line matched</source>
        <translation>1 ligne d&apos;unité reconnue</translation>
    </message>
    <message>
        <source>%1 unit lines matched</source>
        <translation>%1 lignes d&apos;unité reconnues</translation>
    </message>
    <message>
        <source>, army &quot;%1&quot;</source>
        <translation>, armée « %1 »</translation>
    </message>
    <message>
        <source>, points limit %1</source>
        <translation>, limite de points %1</translation>
    </message>
    <message>
        <source>; 1 line not matched (nothing is guessed):</source>
        <translation>; 1 ligne non reconnue (rien n&apos;est deviné) :</translation>
    </message>
    <message>
        <source>; %1 lines not matched (nothing is guessed):</source>
        <translation>; %1 lignes non reconnues (rien n&apos;est deviné) :</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 autres</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Ligne %1 : %2 (%3)</translation>
    </message>
</context>
<context>
    <name>frmFigure</name>
    <message>
        <source>Figure</source>
        <translation>Figurine</translation>
    </message>
    <message>
        <source>Figure Information</source>
        <translation>Figurine</translation>
    </message>
    <message>
        <source>Figure name</source>
        <translation>Nom de la figurine</translation>
    </message>
    <message>
        <source>Figure image file</source>
        <translation>Fichier image de la figurine</translation>
    </message>
    <message>
        <source>Choose the figure&apos;s bitmap</source>
        <translation>Choisir l&apos;image de la figurine</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>Figure Data</source>
        <translation>Données de la figurine</translation>
    </message>
    <message>
        <source>Figure type</source>
        <translation>Type de figurine</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Race Hit Factor Mod</source>
        <translation>Mod. de touche de la race</translation>
    </message>
    <message>
        <source>Adjust Hit Factor</source>
        <translation>Ajuster le facteur de touche</translation>
    </message>
    <message>
        <source>A number. Text that is not a number becomes 0, so a minus typed alone turns into 0: for a negative value use the arrows or the Up and Down keys (-100 to 100), or paste the whole number, such as -3.</source>
        <translation>Un nombre. Un texte qui n&apos;est pas un nombre devient 0 ; un signe moins tapé seul devient donc 0 : pour une valeur négative, utilisez les flèches ou les touches Haut et Bas (-100 à 100), ou collez le nombre entier, par exemple -3.</translation>
    </message>
    <message>
        <source>Training Level</source>
        <translation>Niveau d&apos;entraînement</translation>
    </message>
    <message>
        <source>Armor Type</source>
        <translation>Type d&apos;armure</translation>
    </message>
    <message>
        <source>Hit Points</source>
        <translation>Points de vie</translation>
    </message>
    <message>
        <source>A number. 0, an empty field or text that does not start with a number becomes 1. The arrows and the Up and Down keys step it from 1 to 100.</source>
        <translation>Un nombre. 0, un champ vide ou un texte qui ne commence pas par un nombre devient 1. Les flèches et les touches Haut et Bas le règlent de 1 à 100.</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Type de mouvement</translation>
    </message>
    <message>
        <source>Command Skill</source>
        <translation>Commandement</translation>
    </message>
    <message>
        <source>Base Hit Factor</source>
        <translation>Facteur de touche de base</translation>
    </message>
    <message>
        <source>Adjusted Hit Factor</source>
        <translation>Facteur de touche ajusté</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Initiative Modifier</source>
        <translation>Modificateur d&apos;initiative</translation>
    </message>
    <message>
        <source>Base Morale</source>
        <translation>Moral de base</translation>
    </message>
    <message>
        <source>Melee Weapons</source>
        <translation>Armes de mêlée</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibles</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Choisies</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Melee Weapon Multiplier</source>
        <translation>Multiplicateur des armes de mêlée</translation>
    </message>
    <message>
        <source>Missile Weapons</source>
        <translation>Armes de tir</translation>
    </message>
    <message>
        <source>Limit selected Missile Attack to</source>
        <translation>Limiter l&apos;arme de tir choisie à</translation>
    </message>
    <message>
        <source>Shots of the selected missile weapon, 0 to 20 (0 means unlimited): the arrows or the Up and Down keys set it.</source>
        <translation>Tirs de l&apos;arme de tir choisie, de 0 à 20 (0 signifie illimité) : les flèches ou les touches Haut et Bas les règlent.</translation>
    </message>
    <message>
        <source>shots (0 means unlimited)</source>
        <translation>tirs (0 signifie illimité)</translation>
    </message>
    <message>
        <source>Missile Weapon Multiplier</source>
        <translation>Multiplicateur des armes de tir</translation>
    </message>
    <message>
        <source>Extra Items</source>
        <translation>Équipement supplémentaire</translation>
    </message>
    <message>
        <source>Extra Items Cost</source>
        <translation>Coût de l&apos;équipement</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Movement Cost</source>
        <translation>Coût de mouvement</translation>
    </message>
    <message>
        <source>Range Cost</source>
        <translation>Coût de portée</translation>
    </message>
    <message>
        <source>Calculated Figure Cost</source>
        <translation>Coût calculé de la figurine</translation>
    </message>
    <message>
        <source>(Defense Factor</source>
        <translation>(Facteur de défense</translation>
    </message>
    <message>
        <source>x Total Weapon Multiplier</source>
        <translation>x Multiplicateur total des armes</translation>
    </message>
    <message>
        <source>x Move Multiplier)</source>
        <translation>x Multiplicateur de mouvement)</translation>
    </message>
    <message>
        <source>x Hit Points</source>
        <translation>x Points de vie</translation>
    </message>
    <message>
        <source>+ Command Skill</source>
        <translation>+ Commandement</translation>
    </message>
    <message>
        <source>+ Magic Skill</source>
        <translation>+ Magie</translation>
    </message>
    <message>
        <source>+ Extra Items</source>
        <translation>+ Équipement</translation>
    </message>
    <message>
        <source>= Cost</source>
        <translation>= Coût</translation>
    </message>
    <message>
        <source>Final Cost</source>
        <translation>Coût final</translation>
    </message>
</context>
<context>
    <name>frmUnitCard</name>
    <message>
        <source>Unit Card</source>
        <translation>Carte d&apos;unité</translation>
    </message>
    <message>
        <source>Image Layout</source>
        <translation>Mise en page de l&apos;image</translation>
    </message>
    <message>
        <source>Save style into layout</source>
        <translation>Enregistrer le style dans la mise en page</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
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
        <translation>Enregistrer la mise en page</translation>
    </message>
    <message>
        <source>Show Design</source>
        <translation>Afficher la conception</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>C&amp;opy to Clipboard</source>
        <translation>C&amp;opier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save as Image...</source>
        <translation>Enregistrer comme image...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
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
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nom de l&apos;unité</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Change..</source>
        <translation>Modifier..</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Data Text</source>
        <translation>Texte des données</translation>
    </message>
    <message>
        <source>Attack Text</source>
        <translation>Texte des attaques</translation>
    </message>
    <message>
        <source>Attack Roll Text</source>
        <translation>Texte des jets d&apos;attaque</translation>
    </message>
    <message>
        <source>Load Style</source>
        <translation>Charger un style</translation>
    </message>
    <message>
        <source>Save Style</source>
        <translation>Enregistrer le style</translation>
    </message>
</context>
<context>
    <name>tarvello::CardSheetDialog</name>
    <message>
        <source>Print Cards</source>
        <translation>Imprimer les cartes</translation>
    </message>
    <message>
        <source>One card per army &amp;line</source>
        <translation>Une carte par &amp;ligne d&apos;armée</translation>
    </message>
    <message>
        <source>One card per &amp;unit</source>
        <translation>Une carte par &amp;unité</translation>
    </message>
    <message>
        <source>One card per &amp;figure</source>
        <translation>Une carte par &amp;figurine</translation>
    </message>
    <message>
        <source>Lines whose figure is the same figure file share one card</source>
        <translation>Les lignes dont la figurine est le même fichier partagent une carte</translation>
    </message>
    <message>
        <source>&amp;Roster page first</source>
        <translation>Page de &amp;liste d&apos;abord</translation>
    </message>
    <message>
        <source>Pages listing each line (count, unit size, figure, type, points) with the army&apos;s name, total and limit, before the cards</source>
        <translation>Des pages listant chaque ligne (nombre, taille d&apos;unité, figurine, type, points) avec le nom, le total et la limite de l&apos;armée, avant les cartes</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Copies :</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>, after 1 roster page</source>
        <translation>, après 1 page de liste</translation>
    </message>
    <message>
        <source>, after %1 roster pages</source>
        <translation>, après %1 pages de liste</translation>
    </message>
    <message>
        <source>&amp;Deck sheets with the images</source>
        <translation>Planches de &amp;deck avec les images</translation>
    </message>
    <message>
        <source>Save as Images also writes sheets of up to 10 x 7 cards and a card back, the grid virtual tabletops import</source>
        <translation>Enregistrer en images écrit aussi des planches de jusqu&apos;à 10 x 7 cartes et un dos de carte, la grille qu&apos;importent les tables de jeu virtuelles</translation>
    </message>
    <message>
        <source>Save as &amp;Images…</source>
        <translation>Enregistrer en &amp;images…</translation>
    </message>
    <message>
        <source>One PNG per card, 300 dpi, named after the figure, into a folder</source>
        <translation>Un PNG par carte, 300 ppp, nommé d&apos;après la figurine, dans un dossier</translation>
    </message>
    <message>
        <source>Points &amp;bar on the roster</source>
        <translation>&amp;Barre des points sur la liste</translation>
    </message>
</context>
<context>
    <name>tarvello::ChildWindow</name>
    <message>
        <source>Figure</source>
        <translation>Figurine</translation>
    </message>
    <message>
        <source>Army</source>
        <translation>Armée</translation>
    </message>
    <message>
        <source>Unit card of the figure</source>
        <translation>Carte d&apos;unité de la figurine</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>tarvello::CommandBar</name>
    <message>
        <source>Tool&amp;bar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>tarvello::CostPreviewView</name>
    <message>
        <source>+Pts</source>
        <translation>+Pts</translation>
    </message>
    <message>
        <source>%1 makes the Final Cost %2 (now %3).</source>
        <translation>%1 donne un coût final de %2 (actuellement %3).</translation>
    </message>
    <message>
        <source>Adding it</source>
        <translation>L&apos;ajouter</translation>
    </message>
    <message>
        <source>Choosing it</source>
        <translation>Ce choix</translation>
    </message>
    <message>
        <source>Points the Final Cost would change by with the row added</source>
        <translation>Points dont le coût final changerait avec cette ligne ajoutée</translation>
    </message>
</context>
<context>
    <name>tarvello::ImportArmyDialog</name>
    <message>
        <source>Text (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Figure directory</source>
        <translation>Dossier des figurines</translation>
    </message>
</context>
<context>
    <name>tarvello::LookMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>La langue des fenêtres, à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>&amp;Apparence</translation>
    </message>
    <message>
        <source>A light or dark look, or the desktop&apos;s</source>
        <translation>Un aspect clair ou sombre, ou celui du bureau</translation>
    </message>
    <message>
        <source>The windows speak the chosen language from the next start of Tarvello.</source>
        <translation>Les fenêtres parleront la langue choisie au prochain démarrage de Tarvello.</translation>
    </message>
</context>
<context>
    <name>tarvello::NoticeBar</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tarvello::RecentFilesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
</context>
<context>
    <name>tarvello::StartArea</name>
    <message>
        <source>Start with a figure or an army</source>
        <translation>Commencer par une figurine ou une armée</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>None yet: figures and armies you open or save appear here.</source>
        <translation>Aucun pour l&apos;instant : les figurines et armées que vous ouvrez ou enregistrez apparaissent ici.</translation>
    </message>
</context>
<context>
    <name>tarvello::frmArmy</name>
    <message>
        <source>Select your Windows\System\ directory</source>
        <translation>Choisir le dossier des figurines</translation>
    </message>
    <message>
        <source>Army data has been exported to the clipboard.</source>
        <translation>Les données de l&apos;armée ont été exportées dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Army changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Modifications de l&apos;armée non enregistrées !<byte value="xd"/>
Les enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>%1: %2 (with weapons and items from the tables: %3)   %4</source>
        <translation>%1 : %2 (avec les armes et objets des tables : %3)   %4</translation>
    </message>
    <message>
        <source>No figure cost has changed.</source>
        <translation>Aucun coût de figurine n&apos;a changé.</translation>
    </message>
    <message>
        <source>Update Costs</source>
        <translation>Mettre à jour les coûts</translation>
    </message>
    <message>
        <source>These figures cost differently under the current tables. Save the checked ones with their new cost?</source>
        <translation>Ces figurines coûtent autrement selon les tables actuelles. Enregistrer celles qui sont cochées avec leur nouveau coût ?</translation>
    </message>
    <message>
        <source>Also refresh weapons and items from the tables</source>
        <translation>Actualiser aussi les armes et objets depuis les tables</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Figures in this folder changed: Refresh to see them.</source>
        <translation>Des figurines de ce dossier ont changé : Actualiser pour les voir.</translation>
    </message>
    <message>
        <source>These figure files changed since Update Costs and were left as they are:</source>
        <translation>Ces fichiers de figurines ont changé depuis la mise à jour des coûts et ont été laissés tels quels :</translation>
    </message>
    <message>
        <source>Press Refresh to list the figures in this folder</source>
        <translation>Appuyez sur Actualiser pour lister les figurines de ce dossier</translation>
    </message>
    <message>
        <source>No figure files in this folder</source>
        <translation>Aucun fichier de figurine dans ce dossier</translation>
    </message>
    <message>
        <source>not a limit</source>
        <translation>pas une limite</translation>
    </message>
    <message>
        <source>Number of units of this figure and unit size in the army</source>
        <translation>Nombre d&apos;unités de cette figurine et de cette taille dans l&apos;armée</translation>
    </message>
    <message>
        <source>Figures in each unit</source>
        <translation>Figurines par unité</translation>
    </message>
    <message>
        <source>The figure&apos;s name</source>
        <translation>Le nom de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s race</source>
        <translation>La race de la figurine</translation>
    </message>
    <message>
        <source>The figure type: soldier, commander, hero, vehicle or battle mage</source>
        <translation>Le type de figurine : soldat, commandant, héros, véhicule ou mage de bataille</translation>
    </message>
    <message>
        <source>The figure&apos;s cost in points as stored (in an army line: as copied when added)</source>
        <translation>Le coût de la figurine en points tel qu&apos;enregistré (dans une ligne d&apos;armée : tel que copié à l&apos;ajout)</translation>
    </message>
    <message>
        <source>What the figure costs under the current rules tables (an arrow marks a changed cost, ? one that cannot be worked out)</source>
        <translation>Ce que coûte la figurine selon les tables de règles actuelles (une flèche marque un coût changé, ? un coût incalculable)</translation>
    </message>
    <message>
        <source>The line&apos;s points: units × unit size × figure cost</source>
        <translation>Les points de la ligne : unités × taille d&apos;unité × coût de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s training level</source>
        <translation>Le niveau d&apos;entraînement de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s adjusted hit factor</source>
        <translation>Le facteur de touche ajusté de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s hit points</source>
        <translation>Les points de vie de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s base morale</source>
        <translation>Le moral de base de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s move</source>
        <translation>Le mouvement de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s command skill</source>
        <translation>Le commandement de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s melee weapons</source>
        <translation>Les armes de mêlée de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s missile weapons, with their shots in brackets</source>
        <translation>Les armes de tir de la figurine, avec leurs tirs entre parenthèses</translation>
    </message>
    <message>
        <source>The figure&apos;s extra items</source>
        <translation>L&apos;équipement supplémentaire de la figurine</translation>
    </message>
    <message>
        <source>The figure&apos;s armour</source>
        <translation>L&apos;armure de la figurine</translation>
    </message>
    <message>
        <source> — click to sort by it, again to reverse</source>
        <translation> — cliquer pour trier, encore pour inverser</translation>
    </message>
    <message>
        <source>%1: Up and Down step by 1, Page Up and Page Down by 10, the mouse wheel steps too</source>
        <translation>%1 : Haut et Bas changent de 1, Page préc. et Page suiv. de 10, la molette aussi</translation>
    </message>
    <message>
        <source>Units to add</source>
        <translation>Unités à ajouter</translation>
    </message>
    <message>
        <source>Unit size of the units to add</source>
        <translation>Taille des unités à ajouter</translation>
    </message>
    <message>
        <source>Units of the selected line (0 removes the line)</source>
        <translation>Unités de la ligne choisie (0 retire la ligne)</translation>
    </message>
    <message>
        <source>Unit size of the selected line</source>
        <translation>Taille d&apos;unité de la ligne choisie</translation>
    </message>
    <message>
        <source>Step the number beside</source>
        <translation>Modifier le nombre à côté</translation>
    </message>
    <message>
        <source>This army was not read completely; saving replaces the file with what is shown. Save anyway?</source>
        <translation>Cette armée n&apos;a pas été lue entièrement ; l&apos;enregistrement remplace le fichier par ce qui est affiché. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 restants</translation>
    </message>
    <message>
        <source>%1 over</source>
        <translation>%1 en trop</translation>
    </message>
</context>
<context>
    <name>tarvello::frmEdit_Table</name>
    <message>
        <source>Table Editor</source>
        <translation>Éditeur de table</translation>
    </message>
    <message>
        <source>New r&amp;ow</source>
        <translation>Nouvelle &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Errors in table %1</source>
        <translation>Erreurs dans la table %1</translation>
    </message>
    <message>
        <source>Resource Editor %1</source>
        <translation>Table de règles %1</translation>
    </message>
    <message>
        <source>Table not saved!<byte value="xd"/>
Save table now?</source>
        <translation>Table non enregistrée !<byte value="xd"/>
Enregistrer la table maintenant ?</translation>
    </message>
</context>
<context>
    <name>tarvello::frmFigure</name>
    <message>
        <source>Bitmap (*.bmp)|*.bmp|Pictures (*.bmp *.png *.jpg *.jpeg *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|All files (*.*)|*.*</source>
        <translation>Bitmap (*.bmp)|*.bmp|Images (*.bmp *.png *.jpg *.jpeg *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Figure changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Modifications de la figurine non enregistrées !<byte value="xd"/>
Les enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>&amp;Update Cost</source>
        <translation>&amp;Mettre à jour le coût</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>tarvello::frmMain</name>
    <message>
        <source>&amp;Refresh Resources</source>
        <translation>Recharger les &amp;tables</translation>
    </message>
    <message>
        <source>Rules tables reloaded</source>
        <translation>Tables de règles rechargées</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>The rules tables were changed. Open editors use them after Refresh Resources.</source>
        <translation>Les tables de règles ont changé. Les éditeurs ouverts les utilisent après le rechargement des tables.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it has been removed from the recent files.</source>
        <translation>%1 n&apos;existe plus ; il a été retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Edit the rules table %1</source>
        <translation>Modifier la table de règles %1</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Unpacked into %1</source>
        <translation>Décompressé dans %1</translation>
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
        <translation>Coûts en points, cartes d&apos;unité et armées pour les jeux de figurines sur table, calculés à partir des tables de règles du jeu.</translation>
    </message>
    <message>
        <source>Quorvane Development presents</source>
        <translation>Quorvane Development présente</translation>
    </message>
    <message>
        <source>Press any key to continue...</source>
        <translation>Appuyez sur une touche pour continuer...</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quorvane Development. All rights reserved.</source>
        <translation>Copyright (C) 2026 Quorvane Development. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>tarvello::frmUnitCard</name>
    <message>
        <source>PNG image, 300 dpi (*.png)|*.png|PDF document (*.pdf)|*.pdf</source>
        <translation>Image PNG, 300 dpi (*.png)|*.png|Document PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Style changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Modifications du style non enregistrées !<byte value="xd"/>
Les enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>Layout changes not saved!<byte value="xd"/>
Save them now?</source>
        <translation>Modifications de la mise en page non enregistrées !<byte value="xd"/>
Les enregistrer maintenant ?</translation>
    </message>
</context>
</TS>
