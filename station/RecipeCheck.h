#pragma once

#include <QCoreApplication>
#include <QString>

class Recipe;

// Whether a station may start with a recipe: its files are still the ones
// the recipe was made from, they fit the model, and the log takes lines.
class RecipeCheck
{
    Q_DECLARE_TR_FUNCTIONS(RecipeCheck)

public:
    // Empty when the recipe may start, else one sentence naming the file.
    static QString problem(const Recipe& recipe);

    // The digests of the files as they are now, for a new recipe; false
    // with the reason when a file cannot be read.
    static bool stamp(Recipe* recipe, QString* error);

private:
    static bool firmwareDigest(const QString& path, QString* digest, QString* error);
    static bool programCrc(const Recipe& recipe, quint16* crc, QString* error);
    static QString firmwareFit(const Recipe& recipe);
    static QString changed(const QString& path, const QString& expected, const QString& found);
};
