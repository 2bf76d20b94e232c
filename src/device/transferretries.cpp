#include "transferretries.h"

TransferRetries::Decision TransferRetries::next(EchoVerdict verdict)
{
    switch (verdict) {
    case EchoVerdict::Match:
        return {Action::Done, 0};
    case EchoVerdict::ReadFailed:
        if (++m_readFailures <= kMaxReadFailures)
            return {Action::Reread, m_readFailures};
        return rewriteOrGiveUp();
    case EchoVerdict::AllZero:
        if (++m_zeroReplies <= kMaxZeroReplies)
            return {Action::Rewrite, m_zeroReplies};
        // A mouse that never answered with anything to compare has not
        // confirmed the report: that is a failed read-back, not a success.
        if (!m_compared)
            return {Action::GiveUp, 0};
        return judge(m_lastCompared);
    case EchoVerdict::HeaderDiffers:
    case EchoVerdict::PayloadDiffers:
        m_compared = true;
        m_lastCompared = verdict;
        return judge(verdict);
    }
    return {Action::GiveUp, 0};
}

TransferRetries::Decision TransferRetries::judge(EchoVerdict verdict)
{
    m_zeroReplies = 0;
    if (verdict == EchoVerdict::HeaderDiffers && ++m_headerRereads <= kMaxHeaderRereads)
        return {Action::Reread, m_headerRereads};
    return rewriteOrGiveUp();
}

TransferRetries::Decision TransferRetries::rewriteOrGiveUp()
{
    if (++m_rewrites <= kMaxRewrites)
        return {Action::Rewrite, m_rewrites};
    return {Action::GiveUp, 0};
}
