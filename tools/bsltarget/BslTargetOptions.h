#pragma once

#include "BslTarget.h"

#include <QCommandLineOption>

#include <memory>

class QCommandLineParser;

// The command-line options that set up a virtual boot loader (model, pacing,
// version answer, fill, faults, vector guard), shared by the programs that
// contain one.
class BslTargetOptions
{
public:
    // Adds the options to the parser, which must outlive this object.
    explicit BslTargetOptions(QCommandLineParser* parser);

    // After parsing: the target, or nullptr and the reason in *error.
    std::unique_ptr<BslTarget> create(QString* error) const;
    // After parsing: the line speed to pace at, -1 when it is not a number.
    int baud() const;

private:
    QCommandLineParser* m_parser;
    const QCommandLineOption m_model;
    const QCommandLineOption m_baud;
    const QCommandLineOption m_version;
    const QCommandLineOption m_fill;
    const QCommandLineOption m_fault;
    const QCommandLineOption m_guard;
};
