#include "data/error_text.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace {

struct SpanishWords {
    int error;
    const char* text;  // UTF-8
};

// The errors that reading the files beside the program and saving a report can meet.
const SpanishWords kSpanish[] = {
    {EPERM, "Operaci\u00f3n no permitida"},
    {ENOENT, "No existe el archivo o el directorio"},
    {EIO, "Error de entrada/salida"},
    {ENXIO, "No existe el dispositivo o la direcci\u00f3n"},
    {EBADF, "Descriptor de archivo err\u00f3neo"},
    {ENOMEM, "No se puede asignar memoria"},
    {EACCES, "Permiso denegado"},
    {EBUSY, "Dispositivo o recurso ocupado"},
    {EEXIST, "El archivo ya existe"},
    {ENODEV, "No existe el dispositivo"},
    {ENOTDIR, "No es un directorio"},
    {EISDIR, "Es un directorio"},
    {EINVAL, "Argumento no v\u00e1lido"},
    {ENFILE, "Demasiados archivos abiertos en el sistema"},
    {EMFILE, "Demasiados archivos abiertos"},
    {ETXTBSY, "Archivo de texto ocupado"},
    {EFBIG, "Archivo demasiado grande"},
    {ENOSPC, "No queda espacio en el dispositivo"},
    {EROFS, "Sistema de archivos de solo lectura"},
    {ENAMETOOLONG, "Nombre de archivo demasiado largo"},
    {ELOOP, "Demasiados niveles de enlaces simb\u00f3licos"},
    {EDQUOT, "Cuota de disco excedida"},
    {ESTALE, "Manejador de archivo NFS obsoleto"},
    {ENOTCONN, "El otro extremo de la conexi\u00f3n no est\u00e1 conectado"},
};

std::string englishText(int error) {
    // The C library's own words, which do not follow the locale.
    const char* words = ::strerrordesc_np(error);
    return words != nullptr ? words : "Unknown error " + std::to_string(error);
}

}  // namespace

std::string errorText(const std::exception& error, Language language) {
    if (language == Language::Spanish) {
        if (const auto* translated = dynamic_cast<const TranslatedText*>(&error)) {
            return translated->spanishText();
        }
    }
    return error.what();
}

std::string systemErrorText(int error, Language language) {
    if (language != Language::Spanish) {
        return englishText(error);
    }
    for (const SpanishWords& words : kSpanish) {
        if (words.error == error) {
            return words.text;
        }
    }
    return "error del sistema " + std::to_string(error) + ": " + englishText(error);
}
