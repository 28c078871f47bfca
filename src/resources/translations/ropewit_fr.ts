<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>The word in play</source>
        <translation>Le mot en jeu</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Gallows</source>
        <translation>Potence</translation>
    </message>
    <message>
        <source>Shows one more part of the figure for each miss</source>
        <translation>Montre une partie de plus du personnage à chaque erreur</translation>
    </message>
    <message>
        <source>Your misses still allowed</source>
        <translation>Vos erreurs encore permises</translation>
    </message>
    <message>
        <source>Word number</source>
        <translation>Numéro du mot</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>État de la connexion</translation>
    </message>
    <message>
        <source>Your opponent&apos;s name</source>
        <translation>Nom de votre adversaire</translation>
    </message>
    <message>
        <source>Your opponent&apos;s used letters</source>
        <translation>Lettres utilisées par votre adversaire</translation>
    </message>
    <message>
        <source>Your opponent&apos;s misses still allowed</source>
        <translation>Erreurs encore permises à votre adversaire</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Discussion</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Message de discussion</translation>
    </message>
    <message>
        <source>Return sends it; Escape goes back to the board</source>
        <translation>Entrée l&apos;envoie ; Échap revient au plateau</translation>
    </message>
    <message>
        <source>What the game waits for</source>
        <translation>Ce que le jeu attend</translation>
    </message>
    <message>
        <source>No word in play</source>
        <translation>Aucun mot en jeu</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2 letters, %3 to find</source>
        <translation>%1 : %2 lettres, %3 à trouver</translation>
    </message>
    <message>
        <source>%1&apos;s score: %2</source>
        <translation>Score de %1 : %2</translation>
    </message>
    <message>
        <source>not yet guessed</source>
        <translation>pas encore essayée</translation>
    </message>
    <message>
        <source>not in the word</source>
        <translation>absente du mot</translation>
    </message>
    <message>
        <source>in the word</source>
        <translation>dans le mot</translation>
    </message>
    <message>
        <source>Used letters: %1</source>
        <translation>Lettres utilisées : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Letter %1 of %2: %3</source>
        <translation>Lettre %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1 of %2 misses</source>
        <translation>%1 erreurs sur %2</translation>
    </message>
    <message>
        <source>Word lost: %1.</source>
        <translation>Mot perdu : %1.</translation>
    </message>
    <message>
        <source>Word solved: %1.</source>
        <translation>Mot trouvé : %1.</translation>
    </message>
    <message>
        <source>%1 is in the word.</source>
        <translation>%1 est dans le mot.</translation>
    </message>
    <message>
        <source>%1 is not in the word, %2 guesses left.</source>
        <translation>%1 n&apos;est pas dans le mot, il reste %2 essais.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Your opponent&apos;s word: %1</source>
        <translation>Mot de votre adversaire : %1</translation>
    </message>
    <message>
        <source>Letters the players&apos; names start with</source>
        <translation>Initiales des noms des joueurs</translation>
    </message>
    <message>
        <source>Letter tile preview: %1</source>
        <translation>Aperçu de la tuile de lettre : %1</translation>
    </message>
    <message>
        <source>Word tile preview: %1</source>
        <translation>Aperçu de la tuile du mot : %1</translation>
    </message>
    <message>
        <source>Matchmaking server</source>
        <translation>Serveur de rencontre</translation>
    </message>
    <message>
        <source>Players waiting</source>
        <translation>Joueurs en attente</translation>
    </message>
    <message>
        <source>%1 is not in the word, 1 guess left.</source>
        <translation>%1 n&apos;est pas dans le mot, il reste 1 essai.</translation>
    </message>
</context>
<context>
    <name>AddressScope</name>
    <message>
        <source>a public address</source>
        <translation>une adresse publique</translation>
    </message>
    <message>
        <source>a private address</source>
        <translation>une adresse privée</translation>
    </message>
    <message>
        <source>an address your provider shares between its customers</source>
        <translation>une adresse que votre fournisseur partage entre ses clients</translation>
    </message>
    <message>
        <source>a local IPv6 address</source>
        <translation>une adresse IPv6 locale</translation>
    </message>
    <message>
        <source>a link-local address</source>
        <translation>une adresse lien-local</translation>
    </message>
    <message>
        <source>a loopback address</source>
        <translation>une adresse de bouclage</translation>
    </message>
    <message>
        <source>an address nobody can call</source>
        <translation>une adresse que personne ne peut appeler</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>%1 Guesses Left</source>
        <translation>Encore %1 essais</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ropewit, the hangman word game.</source>
        <translation>Ropewit, le jeu du pendu.</translation>
    </message>
    <message>
        <source>Directory of the settings file ROPEWIT.INI (default: %1).</source>
        <translation>Dossier du fichier de réglages ROPEWIT.INI (par défaut : %1).</translation>
    </message>
    <message>
        <source>TCP port for games between two players (default 52201).</source>
        <translation>Port TCP des parties à deux joueurs (par défaut 52201).</translation>
    </message>
    <message>
        <source>Matchmaking server (default localhost:52202).</source>
        <translation>Serveur de mise en relation (par défaut localhost:52202).</translation>
    </message>
    <message>
        <source>Saves a picture of a game in progress to FILE (PNG) and exits.</source>
        <translation>Enregistre une image d&apos;une partie en cours dans FILE (PNG) et quitte.</translation>
    </message>
    <message>
        <source>Saves a picture of the Statistics window, with made-up figures, to FILE (PNG) and exits.</source>
        <translation>Enregistre une image de la fenêtre Statistiques, avec des chiffres inventés, dans FILE (PNG) et quitte.</translation>
    </message>
    <message>
        <source>Saves a picture of the Statistics window after a word of the day, with made-up figures, to FILE (PNG) and exits.</source>
        <translation>Enregistre une image de la fenêtre Statistiques après un mot du jour, avec des chiffres inventés, dans FILE (PNG) et quitte.</translation>
    </message>
    <message>
        <source>Ask the home router to forward the game port while waiting: off, discover, or the URL of the router&apos;s description (overrides ROPEWIT_ROUTER and the Options menu).</source>
        <translation>Demander au routeur domestique de rediriger le port du jeu pendant l&apos;attente : off, discover, ou l&apos;URL de la description du routeur (prime sur ROPEWIT_ROUTER et le menu Options).</translation>
    </message>
    <message>
        <source>Start the random generator from N, to deal the words in the same order again (0: the generator&apos;s own start; default: a new order every run).</source>
        <translation>Démarrer le générateur aléatoire à N, pour redonner les mots dans le même ordre (0 : le départ propre du générateur ; par défaut : un nouvel ordre à chaque lancement).</translation>
    </message>
    <message>
        <source>The window&apos;s language: de, es, fr, or en (also C) for English (overrides the system&apos;s and the Options menu).</source>
        <translation>La langue de la fenêtre : de, es, fr, ou en (aussi C) pour l&apos;anglais (prime sur celle du système et le menu Options).</translation>
    </message>
    <message>
        <source>The word list --screenshot plays, a file of the data folder (default %1).</source>
        <translation>La liste de mots que joue --screenshot, un fichier du dossier de données (par défaut %1).</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Short words (3-5 letters)</source>
        <translation>Mots courts (3 à 5 lettres)</translation>
    </message>
    <message>
        <source>Medium words (6-8 letters)</source>
        <translation>Mots moyens (6 à 8 lettres)</translation>
    </message>
    <message>
        <source>Long words (9 letters or more)</source>
        <translation>Mots longs (9 lettres ou plus)</translation>
    </message>
    <message>
        <source>Words of any length</source>
        <translation>Mots de toute longueur</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>The opponent&apos;s guess attempts of %1 were taken as %2: they must be from %3 to %4</source>
        <translation>Les essais de l&apos;adversaire (%1) ont été pris comme %2 : ils doivent aller de %3 à %4</translation>
    </message>
    <message>
        <source>The opponent&apos;s winning score of %1 was taken as %2: it must be from %3 to %4</source>
        <translation>Le score gagnant de l&apos;adversaire (%1) a été pris comme %2 : il doit aller de %3 à %4</translation>
    </message>
    <message>
        <source>Waiting for opponent&apos;s score.</source>
        <translation>En attente du score de l&apos;adversaire.</translation>
    </message>
    <message>
        <source>Waiting for opponent to start</source>
        <translation>En attente du départ de l&apos;adversaire</translation>
    </message>
    <message>
        <source>Waiting for opponent&apos;s word.</source>
        <translation>En attente du mot de l&apos;adversaire.</translation>
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
        <translation>Le fichier d&apos;aide n&apos;a pas pu être ouvert&#xa0;: </translation>
    </message>
    <message>
        <source>The web site could not be opened: </source>
        <translation>Le site web n&apos;a pas pu être ouvert&#xa0;: </translation>
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

Le jeu du pendu sur Internet&#xa0;!

Devinez le mot avant que le pendu soit complet, seul ou contre un adversaire sur le réseau.</translation>
    </message>
</context>
<context>
    <name>MatchClient</name>
    <message>
        <source>Matchmaking server: %1</source>
        <translation>Serveur de mise en relation : %1</translation>
    </message>
    <message>
        <source>The server closed the connection unanswered</source>
        <translation>Le serveur a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>No answer from the server in time</source>
        <translation>Pas de réponse du serveur à temps</translation>
    </message>
    <message>
        <source>Dropped what the server sent unasked</source>
        <translation>Ce que le serveur a envoyé sans qu&apos;on le lui demande a été rejeté</translation>
    </message>
    <message>
        <source>Dropped an overlong message from the server</source>
        <translation>Message trop long du serveur rejeté</translation>
    </message>
    <message>
        <source>Dropped what the server sent after its reply</source>
        <translation>Ce que le serveur a envoyé après sa réponse a été rejeté</translation>
    </message>
    <message>
        <source>Could not handle a message from the server</source>
        <translation>Impossible de traiter un message du serveur</translation>
    </message>
    <message>
        <source>Ignored a reply from the server that does not answer the request</source>
        <translation>Une réponse du serveur qui ne correspond pas à la demande a été ignorée</translation>
    </message>
    <message>
        <source>The server sent more than a reply holds; closed</source>
        <translation>Le serveur a envoyé plus que ne contient une réponse ; connexion fermée</translation>
    </message>
    <message>
        <source>The server&apos;s list is full and no longer shows you as waiting</source>
        <translation>La liste du serveur est pleine et ne vous montre plus en attente</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossible de se connecter au serveur.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>No users are currently logged onto the server.</source>
        <translation>Personne n&apos;est connecté au serveur pour l&apos;instant.</translation>
    </message>
    <message>
        <source>The user list on the server is full.  Name not added.</source>
        <translation>La liste du serveur est pleine.  Le nom n&apos;a pas été ajouté.</translation>
    </message>
</context>
<context>
    <name>MessageChannel</name>
    <message>
        <source>Dropped an overlong message from %1</source>
        <translation>Message trop long de %1 rejeté</translation>
    </message>
    <message>
        <source>Could not handle a message from %1</source>
        <translation>Impossible de traiter un message de %1</translation>
    </message>
</context>
<context>
    <name>NetworkSteps</name>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Waiting through the server&apos;s relay: callers reach you at %1</source>
        <translation>Attente via le relais du serveur : on vous joint à %1</translation>
    </message>
    <message>
        <source>Registered again with the server.</source>
        <translation>De nouveau inscrit auprès du serveur.</translation>
    </message>
    <message>
        <source>Registering again with the server at %1:%2.</source>
        <translation>Nouvelle inscription auprès du serveur à %1:%2.</translation>
    </message>
    <message>
        <source>Callers can reach you at %1 through your router&apos;s port mapping.</source>
        <translation>On peut vous joindre à %1 grâce à la redirection de port de votre routeur.</translation>
    </message>
    <message>
        <source>Callers can reach you directly at %1.</source>
        <translation>On peut vous joindre directement à %1.</translation>
    </message>
    <message>
        <source>Callers cannot reach you at %1, and the server has no relay: turn on Options, Open Port On Router, forward port %2 to this computer, or use a server with a relay.</source>
        <translation>On ne peut pas vous joindre à %1 et le serveur n&apos;a pas de relais : activez Options, Ouvrir le port sur le routeur, redirigez le port %2 vers cet ordinateur ou utilisez un serveur avec relais.</translation>
    </message>
    <message>
        <source>Callers cannot reach you at %1: you wait through the server&apos;s relay instead.</source>
        <translation>On ne peut pas vous joindre à %1 : vous attendez plutôt via le relais du serveur.</translation>
    </message>
    <message>
        <source>Attempting To Connect through the server&apos;s relay</source>
        <translation>Tentative de connexion via le relais du serveur</translation>
    </message>
    <message>
        <source>the address the server lists for you</source>
        <translation>l&apos;adresse que le serveur indique pour vous</translation>
    </message>
</context>
<context>
    <name>OpponentList</name>
    <message>
        <source>Can&apos;t call this player: %1</source>
        <translation>Impossible d&apos;appeler ce joueur : %1</translation>
    </message>
    <message>
        <source>the server gave an address longer than %1 characters.</source>
        <translation>le serveur a donné une adresse de plus de %1 caractères.</translation>
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
    <message>
        <source>This copy was started with --matchmaking-server %1: it asks that server until it is started without it.</source>
        <translation>Ce programme a été lancé avec --matchmaking-server %1&#xa0;: il interroge ce serveur tant qu&apos;il n&apos;est pas relancé sans cette option.</translation>
    </message>
</context>
<context>
    <name>OwnAddresses</name>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Your IP Addresses are</source>
        <translation>Vos adresses IP sont</translation>
    </message>
    <message>
        <source>Your IP Addresses is</source>
        <translation>Votre adresse IP est</translation>
    </message>
</context>
<context>
    <name>PeerAddress</name>
    <message>
        <source>a port is a number from 1 to 65535</source>
        <translation>un port est un nombre de 1 à 65535</translation>
    </message>
    <message>
        <source>There is no port after &apos;:&apos;; write one (%1) or leave out the &apos;:&apos;.</source>
        <translation>Il n&apos;y a pas de port après « : » ; écrivez-en un (%1) ou retirez le « : ».</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number; %2.</source>
        <translation>Le port « %1 » n&apos;est pas un nombre ; %2.</translation>
    </message>
    <message>
        <source>The port %1 is out of range; %2.</source>
        <translation>Le port %1 est hors limites ; %2.</translation>
    </message>
    <message>
        <source>The address opens a bracket &apos;[&apos; but never closes it with &apos;]&apos;.</source>
        <translation>L&apos;adresse ouvre un crochet « [ » sans jamais le fermer par « ] ».</translation>
    </message>
    <message>
        <source>Only an IPv6 address goes in brackets, like [2001:db8::1]:52201.</source>
        <translation>Seule une adresse IPv6 se met entre crochets, comme [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>After &apos;]&apos; only &apos;:&apos; and a port may follow, like [2001:db8::1]:52201.</source>
        <translation>Après « ] » ne peuvent suivre que « : » et un port, comme [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address as the game takes one: write four numbers from 0 to 255 separated by dots, without leading zeros, like 192.0.2.7.</source>
        <translation>« %1 » n&apos;est pas une adresse IPv4 telle que le jeu la prend : écrivez quatre nombres de 0 à 255 séparés par des points, sans zéros en tête, comme 192.0.2.7.</translation>
    </message>
    <message>
        <source>%1 names no one computer; write the other player&apos;s address, or 127.0.0.1 for a copy on this computer.</source>
        <translation>%1 ne désigne aucun ordinateur précis ; écrivez l&apos;adresse de l&apos;autre joueur, ou 127.0.0.1 pour une copie sur cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 is a multicast address, for a group rather than one player; write the other player&apos;s address.</source>
        <translation>%1 est une adresse multicast, pour un groupe et non un joueur ; écrivez l&apos;adresse de l&apos;autre joueur.</translation>
    </message>
    <message>
        <source>%1 is the broadcast address, for every computer on the network rather than one player; write the other player&apos;s address.</source>
        <translation>%1 est l&apos;adresse de diffusion, pour tous les ordinateurs du réseau et non un joueur ; écrivez l&apos;adresse de l&apos;autre joueur.</translation>
    </message>
    <message>
        <source>No address has been entered.</source>
        <translation>Aucune adresse n&apos;a été saisie.</translation>
    </message>
    <message>
        <source>An address has at most %1 characters; this one has %2.</source>
        <translation>Une adresse a au plus %1 caractères ; celle-ci en a %2.</translation>
    </message>
    <message>
        <source>The address holds a control character.</source>
        <translation>L&apos;adresse contient un caractère de contrôle.</translation>
    </message>
    <message>
        <source>An address cannot contain blanks.</source>
        <translation>Une adresse ne peut pas contenir d&apos;espaces.</translation>
    </message>
    <message>
        <source>A bracket &apos;[&apos; may only begin an IPv6 address, like [2001:db8::1]:52201.</source>
        <translation>Un crochet « [ » ne peut qu&apos;ouvrir une adresse IPv6, comme [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>The address closes a bracket &apos;]&apos; that it never opened.</source>
        <translation>L&apos;adresse ferme un crochet « ] » qu&apos;elle n&apos;a jamais ouvert.</translation>
    </message>
    <message>
        <source>An IPv4 address has at most one &apos;:&apos;, before its port, like 192.0.2.7:52201.</source>
        <translation>Une adresse IPv4 a au plus un « : », avant son port, comme 192.0.2.7:52201.</translation>
    </message>
    <message>
        <source>An IPv6 address with a port is written in brackets, like [2001:db8::1]:52201.</source>
        <translation>Une adresse IPv6 avec un port s&apos;écrit entre crochets, comme [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>The address has no host name or number before &apos;:&apos;.</source>
        <translation>L&apos;adresse n&apos;a ni nom ni numéro d&apos;hôte avant « : ».</translation>
    </message>
</context>
<context>
    <name>PeerConnection</name>
    <message>
        <source>Nobody answers at that address on port %1. The other player must be waiting for a call (or registered on the server) on that port.</source>
        <translation>Personne ne répond à cette adresse sur le port %1. L&apos;autre joueur doit attendre un appel (ou être inscrit sur le serveur) sur ce port.</translation>
    </message>
    <message>
        <source>No answer from that address on port %1. The other player must be waiting for a call, and their router may not forward port %1 to their computer: they can turn on Options, Open Port On Router, or forward the port by hand.</source>
        <translation>Pas de réponse de cette adresse sur le port %1. L&apos;autre joueur doit attendre un appel, et son routeur ne redirige peut-être pas le port %1 vers son ordinateur : il peut activer Options, Ouvrir le port sur le routeur, ou rediriger le port à la main.</translation>
    </message>
    <message>
        <source>The chosen player is waiting to play but cannot be reached from here on port %1: her router or firewall keeps calls out. She can turn on Options, Open Port On Router, forward port %1 to her computer by hand, or register on a matchmaking server with a relay.</source>
        <translation>La joueuse choisie attend une partie mais ne peut pas être jointe d&apos;ici sur le port %1 : son routeur ou son pare-feu bloque les appels. Elle peut activer Options, Ouvrir le port sur le routeur, rediriger le port %1 vers son ordinateur à la main, ou s&apos;inscrire sur un serveur de mise en relation avec relais.</translation>
    </message>
    <message>
        <source>the opponent</source>
        <comment>named after &quot;from&quot; in the connection log</comment>
        <translation>votre adversaire</translation>
    </message>
    <message>
        <source>The opponent sends far more than any game does (%1 bytes waiting); what it sends is dropped unread until it leaves</source>
        <translation>Votre adversaire envoie bien plus qu&apos;aucune partie (%1 octets en attente) ; ce qu&apos;il envoie est rejeté sans être lu jusqu&apos;à son départ</translation>
    </message>
    <message>
        <source>The opponent left %1 unread bytes behind, more than any game sends; they were dropped</source>
        <translation>Votre adversaire a laissé %1 octets non lus, plus qu&apos;aucune partie n&apos;en envoie ; ils ont été rejetés</translation>
    </message>
    <message>
        <source>Can&apos;t call &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;appeler « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>PeerText</name>
    <message>
        <source>A connection has been made to an opponent!</source>
        <translation>Vous êtes connecté à un adversaire !</translation>
    </message>
    <message>
        <source> You are %1.</source>
        <translation> Vous êtes %1.</translation>
    </message>
    <message>
        <source> Your opponent is %1.</source>
        <translation> Votre adversaire est %1.</translation>
    </message>
    <message>
        <source>Game options have been synchronized as follows:</source>
        <translation>Les options de jeu ont été synchronisées ainsi :</translation>
    </message>
    <message>
        <source>  Word lengths will be equal</source>
        <translation>  Les mots auront la même longueur</translation>
    </message>
    <message>
        <source>  Player chooses word</source>
        <translation>  Le joueur choisit le mot</translation>
    </message>
    <message>
        <source>  Program chooses word</source>
        <translation>  Le programme choisit le mot</translation>
    </message>
    <message>
        <source>  Each player receives a different word</source>
        <translation>  Chaque joueur reçoit un mot différent</translation>
    </message>
    <message>
        <source>  Each player receives the same word</source>
        <translation>  Chaque joueur reçoit le même mot</translation>
    </message>
    <message>
        <source>  %1 selects word list</source>
        <translation>  %1 choisit la liste de mots</translation>
    </message>
    <message>
        <source>  Winning Score is %1</source>
        <translation>  Score pour gagner : %1</translation>
    </message>
    <message>
        <source>  Guess Attempts per word are %1</source>
        <translation>  Essais par mot : %1</translation>
    </message>
    <message>
        <source>  Hint mode is on.</source>
        <translation>  Les indices sont activés.</translation>
    </message>
    <message>
        <source>  Hint mode is off.</source>
        <translation>  Les indices sont désactivés.</translation>
    </message>
    <message>
        <source>If you would like to make changes to any of these options,</source>
        <translation>Pour modifier l&apos;une de ces options,</translation>
    </message>
    <message>
        <source>then select &quot;Options&quot; from the menu and make your adjustments.</source>
        <translation>choisissez « Options » dans le menu et faites vos réglages.</translation>
    </message>
    <message>
        <source>After you are satisfied with the game options, click on the</source>
        <translation>Quand les options vous conviennent, cliquez sur le</translation>
    </message>
    <message>
        <source>&quot;Start Game&quot; button to start the game.</source>
        <translation>bouton « Commencer » pour lancer la partie.</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Your router did not show which address of this computer it sees; going on without forwarding port %1</source>
        <translation>Votre routeur n&apos;a pas indiqué quelle adresse de cet ordinateur il voit ; on continue sans rediriger le port %1</translation>
    </message>
    <message>
        <source>Port %1 on your router is taken by another computer%2; players on the internet may not reach you (choose another port with --peer-port, or free the port in the router&apos;s settings)</source>
        <translation>Le port %1 de votre routeur est pris par un autre ordinateur%2 ; les joueurs sur Internet risquent de ne pas vous joindre (choisissez un autre port avec --peer-port, ou libérez le port dans les réglages du routeur)</translation>
    </message>
    <message>
        <source>Your router stopped answering; going on without forwarding port %1</source>
        <translation>Votre routeur ne répond plus ; on continue sans rediriger le port %1</translation>
    </message>
    <message>
        <source>Your router refused to forward port %1 (error %2); if players on the internet cannot call you, forward the port by hand in the router&apos;s settings</source>
        <translation>Votre routeur a refusé de rediriger le port %1 (erreur %2) ; si les joueurs sur Internet ne peuvent pas vous appeler, redirigez le port à la main dans les réglages du routeur</translation>
    </message>
    <message>
        <source>Your router now forwards port %1 to this computer</source>
        <translation>Votre routeur redirige maintenant le port %1 vers cet ordinateur</translation>
    </message>
    <message>
        <source>; if players on the internet cannot call you, forward port %1 by hand in your router&apos;s settings</source>
        <translation> ; si les joueurs sur Internet ne peuvent pas vous appeler, redirigez le port %1 à la main dans les réglages de votre routeur</translation>
    </message>
    <message>
        <source>No router answered at %1</source>
        <translation>Aucun routeur n&apos;a répondu à %1</translation>
    </message>
    <message>
        <source>No router answered the request to forward a port</source>
        <translation>Aucun routeur n&apos;a répondu à la demande de redirection de port</translation>
    </message>
    <message>
        <source>No router that forwards ports answered</source>
        <translation>Aucun routeur capable de rediriger des ports n&apos;a répondu</translation>
    </message>
    <message>
        <source>The router&apos;s description at %1 is larger than any router&apos;s (over %2 KiB) and was not read</source>
        <translation>La description du routeur à %1 est plus grande que celle de tout routeur (plus de %2 Kio) et n&apos;a pas été lue</translation>
    </message>
    <message>
        <source>The router at %1 is not on your local network and was not asked</source>
        <translation>Le routeur à %1 n&apos;est pas sur votre réseau local et n&apos;a pas été interrogé</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood</source>
        <translation>La réponse de votre routeur n&apos;a pas pu être comprise</translation>
    </message>
    <message>
        <source>The router at %1 named a control address on another host or port, which was not used</source>
        <translation>Le routeur à %1 a indiqué une adresse de contrôle sur un autre hôte ou port, qui n&apos;a pas été utilisée</translation>
    </message>
    <message>
        <source>Port %1 on your router is taken by another computer (%2); players on the internet may not reach you</source>
        <translation>Le port %1 de votre routeur est pris par un autre ordinateur (%2) ; les joueurs sur Internet risquent de ne pas vous joindre</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood; going on without forwarding port %1</source>
        <translation>La réponse de votre routeur n&apos;a pas pu être comprise ; on continue sans rediriger le port %1</translation>
    </message>
    <message>
        <source>Your router said yes but does not forward port %1; forward it by hand in the router&apos;s settings if players cannot call you</source>
        <translation>Votre routeur a dit oui mais ne redirige pas le port %1 ; redirigez-le à la main dans les réglages du routeur si les joueurs ne peuvent pas vous appeler</translation>
    </message>
    <message>
        <source>Players on the internet can call you at %1</source>
        <translation>Les joueurs sur Internet peuvent vous appeler à %1</translation>
    </message>
    <message>
        <source>Your router&apos;s own address %1 is %2, so players on the internet may still not reach you (another router or your provider sits in between)</source>
        <translation>L&apos;adresse propre de votre routeur, %1, est %2 ; les joueurs sur Internet risquent donc de ne toujours pas vous joindre (un autre routeur ou votre fournisseur se trouve entre les deux)</translation>
    </message>
    <message>
        <source>Another computer has taken port %1 on your router; players on the internet may no longer reach you</source>
        <translation>Un autre ordinateur a pris le port %1 de votre routeur ; les joueurs sur Internet risquent de ne plus vous joindre</translation>
    </message>
    <message>
        <source>Your router stopped answering; port %1 may no longer be forwarded to this computer</source>
        <translation>Votre routeur ne répond plus ; le port %1 n&apos;est peut-être plus redirigé vers cet ordinateur</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood; port %1 may no longer be forwarded to this computer</source>
        <translation>La réponse de votre routeur n&apos;a pas pu être comprise ; le port %1 n&apos;est peut-être plus redirigé vers cet ordinateur</translation>
    </message>
    <message>
        <source>Your router refused to keep forwarding port %1 (error %2); players on the internet may no longer reach you</source>
        <translation>Votre routeur a refusé de continuer à rediriger le port %1 (erreur %2) ; les joueurs sur Internet risquent de ne plus vous joindre</translation>
    </message>
    <message>
        <source>Your router no longer forwards port %1</source>
        <translation>Votre routeur ne redirige plus le port %1</translation>
    </message>
    <message>
        <source>Your router did not remove the forwarding of port %1; it ends by itself within %2 minutes</source>
        <translation>Votre routeur n&apos;a pas supprimé la redirection du port %1 ; elle prend fin d&apos;elle-même dans %2 minutes au plus</translation>
    </message>
    <message>
        <source>Your router did not remove the forwarding of port %1; remove it by hand in the router&apos;s settings</source>
        <translation>Votre routeur n&apos;a pas supprimé la redirection du port %1 ; supprimez-la à la main dans les réglages du routeur</translation>
    </message>
    <message>
        <source>The router setting takes off, discover, or the http:// address of the router&apos;s description (at most %1 characters), not &quot;%2&quot;.</source>
        <translation>Le réglage du routeur accepte off, discover ou l&apos;adresse http:// de la description du routeur (%1 caractères au plus), pas « %2 ».</translation>
    </message>
    <message>
        <source>This computer waits at %1, a private address: players on the internet can call it only if your router forwards port %2 to it. Options, &quot;Open Port On Router&quot; asks the router to do that.</source>
        <translation>Cet ordinateur attend à %1, une adresse privée : les joueurs sur Internet ne peuvent l&apos;appeler que si votre routeur lui redirige le port %2. Options, « Ouvrir le port sur le routeur » le demande au routeur.</translation>
    </message>
</context>
<context>
    <name>RelayClient</name>
    <message>
        <source>The relay at %1 did not join the call in time: the player may have left.</source>
        <translation>Le relais à %1 n&apos;a pas relié l&apos;appel à temps : le joueur est peut-être parti.</translation>
    </message>
    <message>
        <source>The server&apos;s relay closed your connection: callers can no longer reach you through it.</source>
        <translation>Le relais du serveur a fermé votre connexion : on ne peut plus vous joindre par lui.</translation>
    </message>
    <message>
        <source>The relay closed the call before the player answered: the player has left.</source>
        <translation>Le relais a fermé l&apos;appel avant que le joueur ne réponde : le joueur est parti.</translation>
    </message>
    <message>
        <source>The server&apos;s relay at %1 cannot be reached (it may be off): callers cannot reach you.</source>
        <translation>Le relais du serveur à %1 est injoignable (il est peut-être arrêté) : on ne peut pas vous joindre.</translation>
    </message>
    <message>
        <source>The server&apos;s relay at %1 cannot be reached (it may be off): this player cannot be called.</source>
        <translation>Le relais du serveur à %1 est injoignable (il est peut-être arrêté) : ce joueur ne peut pas être appelé.</translation>
    </message>
    <message>
        <source>The player is already playing. Try later.</source>
        <translation>Le joueur est déjà en partie. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The relay at %1 sent something that is no relay answer.</source>
        <translation>Le relais à %1 a envoyé quelque chose qui n&apos;est pas une réponse de relais.</translation>
    </message>
    <message>
        <source>The relay refused: %1</source>
        <translation>Le relais a refusé : %1</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>%1 is the winner!</source>
        <translation>%1 a gagné !</translation>
    </message>
    <message>
        <source>We have a tie!</source>
        <translation>Match nul !</translation>
    </message>
    <message>
        <source>%1 Score: %2</source>
        <translation>Score de %1 : %2</translation>
    </message>
    <message>
        <source>Would you like to play this same opponent again?</source>
        <translation>Voulez-vous rejouer contre le même adversaire ?</translation>
    </message>
</context>
<context>
    <name>SoloRecords</name>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has no words of the chosen length (%2). Its words of every length will be played.</source>
        <translation>La liste « %1 » n&apos;a aucun mot de la longueur choisie (%2). Ses mots de toute longueur seront joués.</translation>
    </message>
    <message>
        <source>This game: %1 of %2 words solved, score %3.</source>
        <translation>Cette partie : %1 mots trouvés sur %2, score %3.</translation>
    </message>
    <message>
        <source>Word of the Day</source>
        <translation>Mot du jour</translation>
    </message>
    <message>
        <source>Finish the game in progress first.</source>
        <translation>Terminez d&apos;abord la partie en cours.</translation>
    </message>
    <message>
        <source>You have had your try at the word of the day for %1. The next one comes tomorrow.</source>
        <translation>Vous avez déjà tenté le mot du jour du %1. Le prochain arrive demain.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The list of the words of the day, %1, could not be read.</source>
        <translation>La liste des mots du jour, %1, n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>(Copied, ready to share.)</source>
        <translation>(Copié, prêt à partager.)</translation>
    </message>
    <message>
        <source>Open List by Name</source>
        <translation>Ouvrir une liste par son nom</translation>
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
    <name>StatisticsStore</name>
    <message>
        <source>The statistics file %1 %2. It could not be moved aside either, so this game&apos;s results will not be saved.</source>
        <translation>Le fichier de statistiques %1 %2. Il n&apos;a pas non plus pu être mis de côté : les résultats de cette partie ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>The statistics file %1 %2. It was kept as %3, and the statistics start again from nothing.</source>
        <translation>Le fichier de statistiques %1 %2. Il a été gardé sous le nom %3 et les statistiques repartent de zéro.</translation>
    </message>
    <message>
        <source>is far too large to hold statistics</source>
        <translation>est bien trop gros pour contenir des statistiques</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>was written by a newer version of Ropewit</source>
        <translation>a été écrit par une version plus récente de Ropewit</translation>
    </message>
    <message>
        <source>Some figures in the statistics file %1 were impossible and have been corrected.</source>
        <translation>Certains chiffres du fichier de statistiques %1 étaient impossibles et ont été corrigés.</translation>
    </message>
    <message>
        <source>The statistics could not be saved: the disk is full. The file keeps what it held before.</source>
        <translation>Les statistiques n&apos;ont pas pu être enregistrées : le disque est plein. Le fichier garde son contenu précédent.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1 (%2). The file keeps what it held before.</source>
        <translation>Les statistiques n&apos;ont pas pu être enregistrées dans %1 (%2). Le fichier garde son contenu précédent.</translation>
    </message>
    <message>
        <source>The statistics could not be saved: another copy of Ropewit keeps the file busy. They will be saved later.</source>
        <translation>Les statistiques n&apos;ont pas pu être enregistrées : une autre copie de Ropewit occupe le fichier. Elles le seront plus tard.</translation>
    </message>
</context>
<context>
    <name>TChooseList</name>
    <message>
        <source>Open List by Name</source>
        <translation>Ouvrir une liste par son nom</translation>
    </message>
    <message>
        <source>Choose a word list to play alone:</source>
        <translation>Choisissez une liste de mots pour jouer seul :</translation>
    </message>
    <message>
        <source>Your own lists</source>
        <translation>Vos propres listes</translation>
    </message>
    <message>
        <source>%1 (%2 words)</source>
        <translation>%1 (%2 mots)</translation>
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
        <translation>&amp;Jouer contre l&apos;ordinateur (seul)</translation>
    </message>
    <message>
        <source>Pl&amp;ay against an opponent over the Web</source>
        <translation>Jouer contre un adversaire sur le &amp;Web</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Que voulez-vous faire&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Enter your opponent&apos;s IP Address</source>
        <translation>&amp;Saisir l&apos;adresse IP de l&apos;adversaire</translation>
    </message>
    <message>
        <source>&amp;Wait for your opponent to enter your IP Address</source>
        <translation>&amp;Attendre que l&apos;adversaire saisisse votre adresse IP</translation>
    </message>
    <message>
        <source>&amp;Log into our server and check for players</source>
        <translation>Se &amp;connecter au serveur et chercher des joueurs</translation>
    </message>
    <message>
        <source>&amp;Register into our server and wait for a player</source>
        <translation>S&apos;&amp;inscrire sur le serveur et attendre un joueur</translation>
    </message>
    <message>
        <source>Enter your opponent&apos;s IP Address</source>
        <translation>Saisissez l&apos;adresse IP de l&apos;adversaire</translation>
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
        <translation>Vous n&apos;avez apparemment pas encore saisi de nom d&apos;utilisateur. Voulez-vous le faire maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>This computer has no network address to register with the server.</source>
        <translation>Cet ordinateur n&apos;a aucune adresse réseau à inscrire sur le serveur.</translation>
    </message>
    <message>
        <source>No IP Address has been entered.</source>
        <translation>Aucune adresse IP n&apos;a été saisie.</translation>
    </message>
    <message>
        <source>You have multiple IP Addresses.  Is the correct IP Address %1?</source>
        <translation>Vous avez plusieurs adresses IP.  La bonne adresse IP est-elle %1&#xa0;?</translation>
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
        <translation>Aucun mot n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>

Add it anyway?</source>
        <translation>

L&apos;ajouter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>No word has been highlighted for deletion.</source>
        <translation>Aucun mot n&apos;est sélectionné pour la suppression.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving up.</source>
        <translation>Aucun mot n&apos;est sélectionné pour monter.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving down.</source>
        <translation>Aucun mot n&apos;est sélectionné pour descendre.</translation>
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
        <translation>Cette liste de mots n&apos;a pas été enregistrée. Fermer l&apos;éditeur et perdre les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 characters, but a word may have at most %3: the game would leave it out.</source>
        <translation>&quot;%1&quot; compte %2 caractères, mais un mot en a au plus %3&#xa0;: le jeu l&apos;ignorerait.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, which no letter tile can guess: nobody could ever solve it.</source>
        <translation>&quot;%1&quot; contient &quot;%2&quot;, qu&apos;aucune tuile de lettre ne peut deviner&#xa0;: personne ne pourrait jamais le trouver.</translation>
    </message>
</context>
<context>
    <name>TGameOptions</name>
    <message>
        <source>Two Player Game Options</source>
        <translation>Options de la partie à deux</translation>
    </message>
    <message>
        <source>&amp;Choose Opponent&apos;s Word</source>
        <translation>&amp;Choisir le mot de l&apos;adversaire</translation>
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
        <source>&quot;&amp;Server&quot; Player Chooses Word List</source>
        <translation>Le joueur «&#xa0;&amp;serveur&#xa0;» choisit la liste</translation>
    </message>
    <message>
        <source>Winning Score Value:</source>
        <translation>Score pour gagner&#xa0;:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Winning score value must be at least 10.</source>
        <translation>Le score pour gagner doit être d&apos;au moins 10.</translation>
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
    <message>
        <source>The letter %1 cannot be sent to your opponent.  Please correct</source>
        <translation>La lettre %1 ne peut pas être envoyée à votre adversaire.  Veuillez corriger</translation>
    </message>
</context>
<context>
    <name>TGetYourName</name>
    <message>
        <source>User Name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Your User Name </source>
        <translation>Votre nom d&apos;utilisateur </translation>
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
        <translation>Le nombre d&apos;essais doit être entre 1 et 20.  Veuillez corriger.</translation>
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
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Background Bitmaps</source>
        <translation>Images de fond</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp *.BMP)</source>
        <translation>Images bitmap (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>High Contrast Look is on: the board shows these choices once it is turned off in the Options menu.</source>
        <translation>Le contraste élevé est activé : le plateau montrera ces choix une fois qu&apos;il sera désactivé dans le menu Options.</translation>
    </message>
    <message>
        <source>NOTICE: Most images will only appear correctly if you are using more than 256 colors.</source>
        <translation>REMARQUE : la plupart des images ne s&apos;affichent correctement qu&apos;avec plus de 256 couleurs.</translation>
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
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Ready To Start</source>
        <translation>Prêt à commencer</translation>
    </message>
    <message>
        <source>Sorry, you&apos;ve been hung.  Click for next word.</source>
        <translation>Désolé, vous êtes pendu.  Cliquez pour le mot suivant.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Word Completed Successfully! Click for next word</source>
        <translation>Mot trouvé&#xa0;! Cliquez pour le mot suivant</translation>
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

Voulez-vous commencer une nouvelle partie&#xa0;?</translation>
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
        <translation>&amp;Nom d&apos;utilisateur</translation>
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
        <translation>Nom&amp;bre d&apos;essais</translation>
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
        <translation>Le pendu sur Internet&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Start New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Hint:</source>
        <translation>Indice&#xa0;:</translation>
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
    <message>
        <source>Word of the &amp;Day</source>
        <translation>Mot &amp;du jour</translation>
    </message>
    <message>
        <source>Solo Word &amp;Length</source>
        <translation>Lon&amp;gueur des mots en solo</translation>
    </message>
    <message>
        <source>High &amp;Contrast Look</source>
        <translation>Con&amp;traste élevé</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Play &amp;Word</source>
        <translation>Jouer le &amp;mot</translation>
    </message>
    <message>
        <source>Open &amp;List by Name...</source>
        <translation>Ouvrir une &amp;liste par son nom...</translation>
    </message>
    <message>
        <source>&amp;Accents Count as Base Letters</source>
        <translation>&amp;Accents comptés comme lettre de base</translation>
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
        <translation>Le serveur par lequel les deux joueurs se trouvent, sous la forme hôte ou hôte:port (vide&#xa0;: localhost:52202).</translation>
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
    <name>TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>All solo words</source>
        <translation>Tous les mots en solo</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Liste : %1</translation>
    </message>
    <message>
        <source>Word of the day</source>
        <translation>Mot du jour</translation>
    </message>
    <message>
        <source>Solved words by their misses:</source>
        <translation>Mots trouvés selon leurs erreurs :</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Réinitialiser...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>words</source>
        <translation>mots</translation>
    </message>
    <message>
        <source>Played: %1
Solved: %2
Lost: %3
Won: %4%
Current streak: %5 %6
Best streak: %7 %6
Average misses per solved word: %8
</source>
        <translation>Jouées : %1
Trouvés : %2
Perdus : %3
Gagnés : %4 %
Série en cours : %5 %6
Meilleure série : %7 %6
Erreurs moyennes par mot trouvé : %8
</translation>
    </message>
    <message>
        <source>Best solo score: %1
Time played: %2 h %3 min</source>
        <translation>Meilleur score en solo : %1
Temps de jeu : %2 h %3 min</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>Forget every result played so far, the word of the day&apos;s too? This cannot be undone.</source>
        <translation>Oublier tous les résultats joués jusqu&apos;ici, y compris ceux du mot du jour ? C&apos;est irréversible.</translation>
    </message>
</context>
<context>
    <name>TWebOpponent</name>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>The list below should list up to 10 users who are logged onto our server waiting for an oppenent.  Choose an oppenent and click on &quot;OK&quot;.</source>
        <translation>La liste ci-dessous montre jusqu&apos;à 10 joueurs connectés au serveur qui attendent un adversaire.  Choisissez un adversaire et cliquez sur «&#xa0;OK&#xa0;».</translation>
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
        <translation>Quitter la partie contre %1 et fermer&#xa0;?</translation>
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
        <translation>Erreur d&apos;écriture</translation>
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
<context>
    <name>WordSource</name>
    <message>
        <source>Word %1</source>
        <translation>Mot %1</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Mot %1 sur %2</translation>
    </message>
    <message>
        <source>The word list could not be read to its end: </source>
        <translation>La liste de mots n&apos;a pas pu être lue jusqu&apos;au bout&#xa0;: </translation>
    </message>
    <message>
        <source>1 word was left out: it holds a control character.</source>
        <translation>1 mot a été ignoré&#xa0;: il contient un caractère de contrôle.</translation>
    </message>
    <message>
        <source>%1 words were left out: they hold control characters.</source>
        <translation>%1 mots ont été ignorés&#xa0;: ils contiennent des caractères de contrôle.</translation>
    </message>
    <message>
        <source>File could not be loaded.</source>
        <translation>Le fichier n&apos;a pas pu être chargé.</translation>
    </message>
</context>
</TS>
