#include "BslTargetOptions.h"

#include <QCommandLineParser>

BslTargetOptions::BslTargetOptions(QCommandLineParser* parser)
    : m_parser(parser)
    , m_model(QStringLiteral("model"), QStringLiteral("Memory map of model NAME."), QStringLiteral("NAME"),
          QStringLiteral("Kamdel"))
    , m_baud(QStringLiteral("baud"), QStringLiteral("Pace the line at N baud (0: no pacing)."),
          QStringLiteral("N"), QStringLiteral("0"))
    , m_version(QStringLiteral("version-answer"), QStringLiteral("Answer to the version request."),
          QStringLiteral("HH"), QStringLiteral("a1"))
    , m_fill(QStringLiteral("fill"), QStringLiteral("Initial memory content."), QStringLiteral("HH"))
    , m_fault(
          QStringLiteral("fault"), QStringLiteral("Inject a fault (repeatable)."), QStringLiteral("FAULT"))
    , m_guard(QStringLiteral("guard-vectors"),
          QStringLiteral("Refuse writes to 0xF800-0xFFFF and keep it through the erase."))
{
    parser->addOptions({ m_model, m_baud, m_version, m_fill, m_fault, m_guard });
}

int BslTargetOptions::baud() const
{
    bool ok = false;
    const int baud = m_parser->value(m_baud).toInt(&ok);
    return ok && baud >= 0 ? baud : -1;
}

std::unique_ptr<BslTarget> BslTargetOptions::create(QString* error) const
{
    const BslTarget::Model* model = BslTarget::findModel(m_parser->value(m_model));
    bool ok = false;
    const uint versionAnswer = m_parser->value(m_version).toUInt(&ok, 16);
    const bool versionOk = ok && versionAnswer <= 0xFF;
    bool fillOk = true;
    const int fill
        = m_parser->isSet(m_fill) ? static_cast<int>(m_parser->value(m_fill).toUInt(&fillOk, 16)) : -1;
    if (!model)
        *error = QStringLiteral("unknown model %1").arg(m_parser->value(m_model));
    else if (baud() < 0)
        *error = QStringLiteral("bad baud rate");
    else if (!versionOk)
        *error = QStringLiteral("bad version answer");
    else if (!fillOk || fill > 0xFF)
        *error = QStringLiteral("bad fill value");
    if (!error->isEmpty())
        return nullptr;

    auto target = std::make_unique<BslTarget>(*model, fill);
    target->setVersionAnswer(static_cast<uint8_t>(versionAnswer));
    target->setGuardVectors(m_parser->isSet(m_guard));
    for (const QString& text : m_parser->values(m_fault)) {
        BslTarget::Fault fault {};
        if (!BslTarget::parseFault(text, &fault)) {
            *error = QStringLiteral("bad fault %1").arg(text);
            return nullptr;
        }
        target->addFault(fault);
    }
    return target;
}
