#pragma once

// What one verified report exchange does after each reply it reads: the
// retry rules as a small state machine, apart from the reading and writing.
//
//  - a failed read is read again, up to 29 times, and then answered by a
//    rewrite;
//  - a reply that answers another report (its header differs) is read again,
//    up to 19 times, since the mouse may still be answering an earlier
//    report, and then answered by a rewrite;
//  - a reply whose payload differs is answered by a rewrite at once;
//  - those rewrites are two at most, shared by the three cases;
//  - an all-zero reply is answered by writing again, five times over, apart
//    from the two rewrites; a real reply in between starts that count
//    afresh. When they run out, the last real reply is judged again; when
//    there was none, the report was never confirmed and the exchange fails.

// What the read of one echo found.
enum class EchoVerdict {
    Match,            // the echo confirms the report
    HeaderDiffers,
    PayloadDiffers,
    AllZero,
    ReadFailed,
};

class TransferRetries {
public:
    static constexpr int kMaxReadFailures = 29;
    static constexpr int kMaxHeaderRereads = 19;
    static constexpr int kMaxRewrites = 2;
    static constexpr int kMaxZeroReplies = 5;

    enum class Action { Done, Reread, Rewrite, GiveUp };
    struct Decision {
        Action action;
        // Which reread or rewrite this is within its own count; 0 for Done
        // and GiveUp.
        int count;
    };

    Decision next(EchoVerdict verdict);

private:
    // A reply that was read and did not match.
    Decision judge(EchoVerdict verdict);
    Decision rewriteOrGiveUp();

    int m_readFailures = 0;
    int m_headerRereads = 0;
    int m_zeroReplies = 0;
    int m_rewrites = 0;
    bool m_compared = false;
    EchoVerdict m_lastCompared = EchoVerdict::Match;
};
