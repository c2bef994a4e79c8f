#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

#include "data/language.h"

// Errors the program shows to the user carry their text in both of its languages: what() is the
// English text, the one the program's descriptions give; spanishText() the Spanish one. Texts are
// UTF-8 (they carry file paths and the system's words).
class TranslatedText {
  public:
    explicit TranslatedText(std::string spanish) : spanish_(std::move(spanish)) {}
    virtual ~TranslatedText() = default;
    const std::string& spanishText() const { return spanish_; }

  private:
    std::string spanish_;
};

// An error of a standard kind with a Spanish text: Translated<std::invalid_argument>(spanish,
// english) is caught as std::invalid_argument.
template <typename Base>
class Translated : public Base, public TranslatedText {
  public:
    template <typename... BaseArguments>
    explicit Translated(std::string spanish, BaseArguments&&... arguments)
        : Base(std::forward<BaseArguments>(arguments)...), TranslatedText(std::move(spanish)) {}
};

// A failure the user is told of, in either language.
using ProgramError = Translated<std::runtime_error>;

// The text of an error in the language: the Spanish text of an error that has one, what()
// otherwise.
std::string errorText(const std::exception& error, Language language);

// The system's words for an error number (errno), the same on every machine whatever its locale:
// "No such file or directory", in Spanish "No existe el archivo o el directorio". An error without
// Spanish words of ours gets the English ones after "error del sistema N: ".
std::string systemErrorText(int error, Language language);
