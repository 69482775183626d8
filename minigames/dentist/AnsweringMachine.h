#pragma once

// The office's answering machine: its ten keys and the lesson's seven
// steps. The game hit-tests and speaks from these tables, and the pictures
// and voices are made from the same ones, so a key drawn on the machine is
// always where the game looks for it and every caption and recording asks
// for the key its step expects.
namespace AnsweringMachine {

// Key positions are pixels of a 1357 x 718 reference picture of the
// machine, stretched over the view.
constexpr int kReferenceWidth = 1357;
constexpr int kReferenceHeight = 718;

enum Key {
    KEY_REWIND = 0,
    KEY_REPLAY,
    KEY_ERASE,
    KEY_HELP,
    KEY_SAVE,
    KEY_NEXT,
    KEY_LISTEN,
    KEY_VOLUME_UP,
    KEY_SPEAKER,
    KEY_MUTE,
    kKeyCount
};

struct KeyInfo {
    int x, y;                 // on the reference picture
    const char* explanation;  // spoken when the learner explores the key
    const char* label;        // printed on the key (UTF-8)
    const char* spoken;       // what the explanation says (UTF-8)
};

constexpr KeyInfo kKeys[kKeyCount] = {
    {510, 482, "RebobinerMessage.mp3", "Rebobiner",
     "Rebobiner. Cette touche ramène le message en arrière, pour en réentendre une partie."},
    {510, 527, "RejouerMessage.mp3", "Rejouer",
     "Rejouer. Cette touche fait jouer le message encore une fois, depuis le début."},
    {510, 571, "EffacerMessage.mp3", "Effacer",
     "Effacer. Cette touche efface le message. Il est alors perdu."},
    {567, 618, "AideMessage.mp3", "Aide",
     "Aide. Cette touche fait expliquer par le répondeur comment il fonctionne."},
    {623, 572, "SauvegarderMessage.mp3", "Sauvegarder",
     "Sauvegarder. Cette touche garde le message dans le répondeur, pour plus tard."},
    {623, 617, "ProchainMessage.mp3", "Message suivant",
     "Message suivant. Cette touche passe au message d'après."},
    {824, 478, "EcouterMessages.mp3", "Écouter",
     "Écouter les messages. Cette grande touche fait entendre les nouveaux messages."},
    {893, 576, "AugmenterVolumeMessage.mp3", "Volume +",
     "Volume plus. Cette touche fait parler le répondeur plus fort."},
    {929, 624, "HautParleurMessage.mp3", "Haut-parleur",
     "Haut-parleur. Cette touche fait entendre l'appel dans toute la pièce."},
    {869, 623, "RendreMuetMessage.mp3", "Muet",
     "Muet. Cette touche coupe le son du répondeur."},
};

// A step asks for one key; its caption and its recording say which.
struct Step {
    Key key;
    const char* caption;  // picture, faded in the middle of the screen
    const char* message;  // recording, spoken when the step begins
    const char* text;     // the caption's words and the recording's (UTF-8)
};

constexpr int kStepCount = 7;
constexpr Step kSteps[kStepCount] = {
    {KEY_ERASE, "instruction1_1a.png", "Message1_1a.mp3", "Ce message ne sert plus. Effacez-le."},
    {KEY_REPLAY, "instruction1_1b.png", "Message1_1b.mp3", "Un nouveau message. Rejouez-le."},
    {KEY_SAVE, "instruction1_1c.png", "Message1_1c.mp3", "Ce message est important. Sauvegardez-le."},
    {KEY_HELP, "instruction1_1d.png", "Message1_1d.mp3", "Vous ne savez plus ? Demandez l'aide du répondeur."},
    {KEY_NEXT, "instruction1_1e.png", "Message1_1e.mp3", "Passez au message suivant."},
    {KEY_REWIND, "instruction1_1f.png", "Message1_1f.mp3", "Vous avez manqué un numéro. Rebobinez le message."},
    {KEY_VOLUME_UP, "instruction1_1g.png", "Message1_1g.mp3", "On entend mal. Montez le volume."},
};

}  // namespace AnsweringMachine
