<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>BoardView</name>
    <message>
        <source>%1 Guesses Left</source>
        <translation>Encore %1 essais</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The help file could not be opened: </source>
        <translation>Le fichier d'aide n'a pas pu être ouvert : </translation>
    </message>
    <message>
        <source>The web site could not be opened: </source>
        <translation>Le site web n'a pas pu être ouvert : </translation>
    </message>
    <message>
        <source>About Ropewit</source>
        <translation>À propos de Ropewit</translation>
    </message>
    <message>
        <source>Ropewit %1

The Internet Hangman Game!

Guess the word before the figure is complete, alone or against an opponent over the network.</source>
        <translation>Ropewit %1

Le jeu du pendu sur Internet !

Devinez le mot avant que le pendu soit complet, seul ou contre un adversaire sur le réseau.</translation>
    </message>
</context>
<context>
    <name>NetworkSteps</name>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
</context>
<context>
    <name>OpponentPanel</name>
    <message>
        <source>You are playing the same word--cannot reveal</source>
        <translation>Vous jouez le même mot -- rien à révéler</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&gt;&gt;This copy was started with --matchmaking-server %1: it asks that server until it is started without it.</source>
        <translation>&gt;&gt;Ce programme a été lancé avec --matchmaking-server %1 : il interroge ce serveur tant qu'il n'est pas relancé sans cette option.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The new language is used the next time Ropewit starts.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage de Ropewit.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Word 1 of %1</source>
        <translation>Mot 1 sur %1</translation>
    </message>
</context>
<context>
    <name>StartUpSettings</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TDoNewGame</name>
    <message>
        <source>New Player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Voulez-vous</translation>
    </message>
    <message>
        <source>&amp;Play against the computer (solitaire)</source>
        <translation>&amp;Jouer contre l'ordinateur (seul)</translation>
    </message>
    <message>
        <source>Pl&amp;ay against an opponent over the Web</source>
        <translation>Jouer contre un adversaire sur le &amp;Web</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Que voulez-vous faire ?</translation>
    </message>
    <message>
        <source>&amp;Enter your opponent's IP Address</source>
        <translation>&amp;Saisir l'adresse IP de l'adversaire</translation>
    </message>
    <message>
        <source>&amp;Wait for your opponent to enter your IP Address</source>
        <translation>&amp;Attendre que l'adversaire saisisse votre adresse IP</translation>
    </message>
    <message>
        <source>&amp;Log into our server and check for players</source>
        <translation>Se &amp;connecter au serveur et chercher des joueurs</translation>
    </message>
    <message>
        <source>&amp;Register into our server and wait for a player</source>
        <translation>S'&amp;inscrire sur le serveur et attendre un joueur</translation>
    </message>
    <message>
        <source>Enter your opponent's IP Address</source>
        <translation>Saisissez l'adresse IP de l'adversaire</translation>
    </message>
    <message>
        <source>&amp;Obtain Longest Waiting Players</source>
        <translation>&amp;Obtenir les joueurs qui attendent depuis le plus longtemps</translation>
    </message>
    <message>
        <source>O&amp;btain Players Starting With The Letters</source>
        <translation>Obtenir les joueurs commençant par les &amp;lettres</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>It appears that you have not entered a user name for yourself yet. Would you like to do so now?</source>
        <translation>Vous n'avez apparemment pas encore saisi de nom d'utilisateur. Voulez-vous le faire maintenant ?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>This computer has no network address to register with the server.</source>
        <translation>Cet ordinateur n'a aucune adresse réseau à inscrire sur le serveur.</translation>
    </message>
    <message>
        <source>No IP Address has been entered.</source>
        <translation>Aucune adresse IP n'a été saisie.</translation>
    </message>
    <message>
        <source>You have multiple IP Addresses.  Is the correct IP Address %1?</source>
        <translation>Vous avez plusieurs adresses IP.  La bonne adresse IP est-elle %1 ?</translation>
    </message>
</context>
<context>
    <name>TDoSounds</name>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>&amp;Use Sound Effects</source>
        <translation>&amp;Utiliser les effets sonores</translation>
    </message>
    <message>
        <source>Sounds When A Correct Letter Is Guessed</source>
        <translation>Sons quand une bonne lettre est devinée</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Word Complete Sound</source>
        <translation>Son du mot trouvé</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Sounds When An Incorrect Letter Is Guessed</source>
        <translation>Sons quand une mauvaise lettre est devinée</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Word Missed Sound</source>
        <translation>Son du mot manqué</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Par&amp;courir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Ouvrir un fichier Wave</translation>
    </message>
    <message>
        <source>WAVE Files (*.WAV *.wav)</source>
        <translation>Fichiers WAVE (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No item selected for deletion.  Please correct.</source>
        <translation>Aucun élément sélectionné à supprimer.  Veuillez corriger.</translation>
    </message>
</context>
<context>
    <name>TDoWordList</name>
    <message>
        <source>Create A Word List</source>
        <translation>Créer une liste de mots</translation>
    </message>
    <message>
        <source>Word List Title</source>
        <translation>Titre de la liste</translation>
    </message>
    <message>
        <source>Word To Add</source>
        <translation>Mot à ajouter</translation>
    </message>
    <message>
        <source>Clue For Word</source>
        <translation>Indice du mot</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Mots et indices</translation>
    </message>
    <message>
        <source>&amp;Add It</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No word has been entered.</source>
        <translation>Aucun mot n'a été saisi.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>

Add it anyway?</source>
        <translation>

L'ajouter quand même ?</translation>
    </message>
    <message>
        <source>No word has been highlighted for deletion.</source>
        <translation>Aucun mot n'est sélectionné pour la suppression.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving up.</source>
        <translation>Aucun mot n'est sélectionné pour monter.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving down.</source>
        <translation>Aucun mot n'est sélectionné pour descendre.</translation>
    </message>
    <message>
        <source>Open a Word List</source>
        <translation>Ouvrir une liste de mots</translation>
    </message>
    <message>
        <source>Text File (*.TXT *.txt)</source>
        <translation>Fichier texte (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Save A Word List</source>
        <translation>Enregistrer une liste de mots</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation>Fichiers texte (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>This word list has not been saved. Close the editor and lose the changes?</source>
        <translation>Cette liste de mots n'a pas été enregistrée. Fermer l'éditeur et perdre les modifications ?</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
</context>
<context>
    <name>TGameOptions</name>
    <message>
        <source>Two Player Game Options</source>
        <translation>Options de la partie à deux</translation>
    </message>
    <message>
        <source>&amp;Choose Opponent's Word</source>
        <translation>&amp;Choisir le mot de l'adversaire</translation>
    </message>
    <message>
        <source>&amp;Program Chooses Words</source>
        <translation>Le &amp;programme choisit les mots</translation>
    </message>
    <message>
        <source>&amp;Each Player Gets Different Word</source>
        <translation>Chaque joueur a un mot &amp;différent</translation>
    </message>
    <message>
        <source>E&amp;ach Player Gets Same Word</source>
        <translation>Chaque joueur a le &amp;même mot</translation>
    </message>
    <message>
        <source>E&amp;nsure Same Length Word Used</source>
        <translation>Garantir des mots de même &amp;longueur</translation>
    </message>
    <message>
        <source>"&amp;Server" Player Chooses Word List</source>
        <translation>Le joueur « &amp;serveur » choisit la liste</translation>
    </message>
    <message>
        <source>Winning Score Value:</source>
        <translation>Score pour gagner :</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Winning score value must be at least 10.</source>
        <translation>Le score pour gagner doit être d'au moins 10.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TGetTheWord</name>
    <message>
        <source>Enter Word</source>
        <translation>Saisir le mot</translation>
    </message>
    <message>
        <source>Enter a word for your opponent</source>
        <translation>Saisissez un mot pour votre adversaire</translation>
    </message>
    <message>
        <source>Enter a clue for your opponent</source>
        <translation>Saisissez un indice pour votre adversaire</translation>
    </message>
    <message>
        <source>Enter a %1 lettered word for your opponent</source>
        <translation>Saisissez un mot de %1 lettres pour votre adversaire</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No word entered.  Please correct</source>
        <translation>Aucun mot saisi.  Veuillez corriger</translation>
    </message>
    <message>
        <source>Invalid length of word entered.  Please correct</source>
        <translation>La longueur du mot est incorrecte.  Veuillez corriger</translation>
    </message>
    <message>
        <source>An invalid character has be used in the word.  Please correct</source>
        <translation>Le mot contient un caractère non valide.  Veuillez corriger</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TGetYourName</name>
    <message>
        <source>User Name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>Your User Name </source>
        <translation>Votre nom d'utilisateur </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TGuess</name>
    <message>
        <source>Guess Attemps</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Guess Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Guesses should be between 1 and 20.  Please Correct.</source>
        <translation>Le nombre d'essais doit être entre 1 et 20.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TLetterLook2</name>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>I&amp;mage</source>
        <translation>I&amp;mage</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>P&amp;olice</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L'image bitmap n'est pas valide</translation>
    </message>
    <message>
        <source>Background Bitmaps</source>
        <translation>Images de fond</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp *.BMP)</source>
        <translation>Images bitmap (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>TMainWin</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L'image bitmap n'est pas valide</translation>
    </message>
    <message>
        <source>Ready To Start</source>
        <translation>Prêt à commencer</translation>
    </message>
    <message>
        <source>Sorry, you've been hung.  Click for next word.</source>
        <translation>Désolé, vous êtes pendu.  Cliquez pour le mot suivant.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Word Completed Successfully! Click for next word</source>
        <translation>Mot trouvé ! Cliquez pour le mot suivant</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>The connection to your opponent has been lost, so this game cannot go on.

Would you like to start a new game?</source>
        <translation>La connexion avec votre adversaire est perdue, cette partie ne peut pas continuer.

Voulez-vous commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New &amp;Player / Game</source>
        <translation>Nouveau &amp;joueur / partie</translation>
    </message>
    <message>
        <source>New &amp;Words</source>
        <translation>Nouveaux &amp;mots</translation>
    </message>
    <message>
        <source>S&amp;kip Word</source>
        <translation>&amp;Passer le mot</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>User &amp;Name</source>
        <translation>&amp;Nom d'utilisateur</translation>
    </message>
    <message>
        <source>&amp;Two Player Game Options</source>
        <translation>Options de la partie à &amp;deux</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Polices</translation>
    </message>
    <message>
        <source>&amp;Guess Attempts</source>
        <translation>Nombre d'&amp;essais</translation>
    </message>
    <message>
        <source>&amp;Uppercase Answer</source>
        <translation>Réponse en &amp;majuscules</translation>
    </message>
    <message>
        <source>Use &amp;Hints</source>
        <translation>Utiliser les &amp;indices</translation>
    </message>
    <message>
        <source>&amp;Scramble Word List When Loading</source>
        <translation>Mélanger la liste au &amp;chargement</translation>
    </message>
    <message>
        <source>Open Port On &amp;Router</source>
        <translation>Ouvrir le port sur le &amp;routeur</translation>
    </message>
    <message>
        <source>&amp;Matchmaking Server</source>
        <translation>&amp;Serveur de rencontre</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <source>&amp;Display your IP Address</source>
        <translation>&amp;Afficher votre adresse IP</translation>
    </message>
    <message>
        <source>&amp;Create A Word List</source>
        <translation>&amp;Créer une liste de mots</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Welcome To Ropewit</source>
        <translation>Bienvenue dans Ropewit</translation>
    </message>
    <message>
        <source>The Internet Hangman Game!</source>
        <translation>Le pendu sur Internet !</translation>
    </message>
    <message>
        <source>&amp;Start New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Hint:</source>
        <translation>Indice :</translation>
    </message>
    <message>
        <source>Used Letters</source>
        <translation>Lettres jouées</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>État de la connexion</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>En&amp;voyer</translation>
    </message>
    <message>
        <source>Start &amp;Game</source>
        <translation>&amp;Commencer</translation>
    </message>
</context>
<context>
    <name>TMatchServer</name>
    <message>
        <source>Matchmaking Server</source>
        <translation>Serveur de rencontre</translation>
    </message>
    <message>
        <source>The server both players use to find each other, as host or host:port (empty: localhost:52202).</source>
        <translation>Le serveur par lequel les deux joueurs se trouvent, sous la forme hôte ou hôte:port (vide : localhost:52202).</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TWebOpponent</name>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>The list below should list up to 10 users who are logged onto our server waiting for an oppenent.  Choose an oppenent and click on "OK".</source>
        <translation>La liste ci-dessous montre jusqu'à 10 joueurs connectés au serveur qui attendent un adversaire.  Choisissez un adversaire et cliquez sur « OK ».</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>WidgetPrompts</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>WindowWiring</name>
    <message>
        <source>More</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Word skipped.  Click for next word.</source>
        <translation>Mot passé.  Cliquez pour le mot suivant.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Leave the game against %1 and exit?</source>
        <translation>Quitter la partie contre %1 et fermer ?</translation>
    </message>
    <message>
        <source>Play &amp;Word</source>
        <translation>Jouer le &amp;mot</translation>
    </message>
</context>
<context>
    <name>WordListEditorModel</name>
    <message>
        <source>Disk read error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>File is too large</source>
        <translation>Le fichier est trop gros</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Erreur d'écriture</translation>
    </message>
</context>
<context>
    <name>WordListRequest</name>
    <message>
        <source>Open Text File of Words</source>
        <translation>Ouvrir un fichier texte de mots</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt);;All Files (*)</source>
        <translation>Fichiers texte (*.TXT *.txt);;Tous les fichiers (*)</translation>
    </message>
</context>
</TS>