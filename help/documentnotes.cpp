#include "help/documentnotes.h"

#include "language/language.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextDocument>
#include <QTextEdit>

namespace numora {

namespace {

enum Fault {
    Missing,
    Folder,
    NotAllowed,
    Unreadable,
    TooLarge,
    Empty,
    NotRtf,
    CutShort,
    StrayBrace,
    TooDeep,
    BadPicture,
    TooLong,
    FaultCount
};

// %1 the file's full path, %2 a byte offset or, for TooLarge, the largest size in MB.
constexpr const char *kFaults[5][FaultCount] = {
    {
        "The file \"%1\" was not found.",
        "\"%1\" is a folder, not a document.",
        "You are not allowed to read the file \"%1\".",
        "The file \"%1\" could not be read.",
        "The file \"%1\" is too large to be a document (at most %2 MB).",
        "The file \"%1\" is empty.",
        "The file \"%1\" is not an RTF document.",
        "The file \"%1\" is damaged: it ends before all its groups are closed, so it may be cut short.",
        "The file \"%1\" is damaged: the closing brace at byte %2 has no opening brace.",
        "The file \"%1\" is damaged: its groups are nested too deeply at byte %2; the deeper part is left out.",
        "The file \"%1\" is damaged: a picture at byte %2 could not be decoded.",
        "The file \"%1\" is longer than the program can show; the rest is left out.",
    },
    {
        "Le fichier « %1 » est introuvable.",
        "« %1 » est un dossier, pas un document.",
        "Vous n’avez pas l’autorisation de lire le fichier « %1 ».",
        "Le fichier « %1 » n’a pas pu être lu.",
        "Le fichier « %1 » est trop volumineux pour être un document (%2 Mo au maximum).",
        "Le fichier « %1 » est vide.",
        "Le fichier « %1 » n’est pas un document RTF.",
        "Le fichier « %1 » est endommagé : il se termine avant que tous ses groupes soient fermés et est peut-être tronqué.",
        "Le fichier « %1 » est endommagé : l’accolade fermante à l’octet %2 n’a pas d’accolade ouvrante.",
        "Le fichier « %1 » est endommagé : ses groupes sont imbriqués trop profondément à l’octet %2 ; la partie la plus profonde est omise.",
        "Le fichier « %1 » est endommagé : une image à l’octet %2 n’a pas pu être décodée.",
        "Le fichier « %1 » est plus long que ce que le programme peut afficher ; la suite est omise.",
    },
    {
        "Die Datei „%1“ wurde nicht gefunden.",
        "„%1“ ist ein Ordner, kein Dokument.",
        "Sie haben keine Berechtigung, die Datei „%1“ zu lesen.",
        "Die Datei „%1“ konnte nicht gelesen werden.",
        "Die Datei „%1“ ist zu groß für ein Dokument (höchstens %2 MB).",
        "Die Datei „%1“ ist leer.",
        "Die Datei „%1“ ist kein RTF-Dokument.",
        "Die Datei „%1“ ist beschädigt: Sie endet, bevor alle ihre Gruppen geschlossen sind, und ist vielleicht unvollständig.",
        "Die Datei „%1“ ist beschädigt: Zur schließenden Klammer bei Byte %2 fehlt die öffnende.",
        "Die Datei „%1“ ist beschädigt: Ihre Gruppen sind bei Byte %2 zu tief verschachtelt; der tiefere Teil wird ausgelassen.",
        "Die Datei „%1“ ist beschädigt: Ein Bild bei Byte %2 konnte nicht dekodiert werden.",
        "Die Datei „%1“ ist länger, als das Programm anzeigen kann; der Rest wird ausgelassen.",
    },
    {
        "Il file «%1» non è stato trovato.",
        "«%1» è una cartella, non un documento.",
        "Non si dispone dell’autorizzazione per leggere il file «%1».",
        "Non è stato possibile leggere il file «%1».",
        "Il file «%1» è troppo grande per essere un documento (al massimo %2 MB).",
        "Il file «%1» è vuoto.",
        "Il file «%1» non è un documento RTF.",
        "Il file «%1» è danneggiato: termina prima che tutti i suoi gruppi siano chiusi, quindi potrebbe essere incompleto.",
        "Il file «%1» è danneggiato: la parentesi graffa di chiusura al byte %2 non ha una parentesi di apertura.",
        "Il file «%1» è danneggiato: i suoi gruppi sono annidati troppo in profondità al byte %2; la parte più interna viene tralasciata.",
        "Il file «%1» è danneggiato: non è stato possibile decodificare un’immagine al byte %2.",
        "Il file «%1» è più lungo di quanto il programma possa mostrare; il resto viene tralasciato.",
    },
    {
        "No se ha encontrado el archivo «%1».",
        "«%1» es una carpeta, no un documento.",
        "No tiene permiso para leer el archivo «%1».",
        "No se ha podido leer el archivo «%1».",
        "El archivo «%1» es demasiado grande para ser un documento (como máximo %2 MB).",
        "El archivo «%1» está vacío.",
        "El archivo «%1» no es un documento RTF.",
        "El archivo «%1» está dañado: termina antes de que se cierren todos sus grupos, por lo que puede estar incompleto.",
        "El archivo «%1» está dañado: la llave de cierre del byte %2 no tiene llave de apertura.",
        "El archivo «%1» está dañado: sus grupos están anidados a demasiada profundidad en el byte %2; se omite la parte más profunda.",
        "El archivo «%1» está dañado: no se ha podido descodificar una imagen en el byte %2.",
        "El archivo «%1» es más largo de lo que el programa puede mostrar; se omite el resto.",
    },
};

// Follows the fault in the note above a document read in part.
constexpr const char *kReadablePart[5] = {
    "The part that could be read is shown below.",
    "La partie qui a pu être lue est affichée ci-dessous.",
    "Der lesbare Teil wird unten angezeigt.",
    "Di seguito è mostrata la parte che è stato possibile leggere.",
    "A continuación se muestra la parte que se ha podido leer.",
};

int row(std::uint8_t language)
{
    const int r = languageRow(language);
    return r < 0 ? 0 : r;
}

Fault faultOf(const QString &path, const rtf::ReadResult &result)
{
    const QFileInfo info(path);
    switch (result.code) {
    case rtf::ReadError::None:
    case rtf::ReadError::FileMissing: return Missing;
    case rtf::ReadError::FileUnreadable:
        if (info.isDir())
            return Folder;
        return info.exists() && !info.isReadable() ? NotAllowed : Unreadable;
    case rtf::ReadError::FileTooLarge: return TooLarge;
    case rtf::ReadError::Empty: return Empty;
    case rtf::ReadError::NotRtf: return NotRtf;
    // The reader reports groups left open at the end of the file, a stray brace inside it.
    case rtf::ReadError::Unbalanced: return result.position >= info.size() ? CutShort : StrayBrace;
    case rtf::ReadError::TooDeep: return TooDeep;
    case rtf::ReadError::BadPicture: return BadPicture;
    case rtf::ReadError::TooLong: return TooLong;
    }
    return Unreadable;
}

} // namespace

QString documentFault(const QString &path, const rtf::ReadResult &result, std::uint8_t language)
{
    const Fault fault = faultOf(path, result);
    const QString text = QString::fromUtf8(kFaults[row(language)][fault]);
    const QString shownPath = QDir::toNativeSeparators(path);
    // One pass over the text, so that a path holding "%2" stays as it is.
    const qint64 second = fault == TooLarge ? rtf::maxFileSize / (1024 * 1024) : result.position;
    if (text.contains(QLatin1String("%2")))
        return text.arg(shownPath, QString::number(second));
    return text.arg(shownPath);
}

QString damagedDocumentNote(const QString &path, const rtf::ReadResult &result,
                            std::uint8_t language)
{
    return documentFault(path, result, language) + QLatin1Char(' ')
           + QString::fromUtf8(kReadablePart[row(language)]);
}

void replaceDocument(QTextEdit *box, QTextDocument *doc)
{
    const QPointer<QTextDocument> old = box->document();
    if (old == doc)
        return;
    // The box deletes the document it was built with itself; those it was given stay with
    // their parent, which is the box, until it closes.
    box->setDocument(doc);
    if (old && old->parent() == box)
        delete old;
}

} // namespace numora
