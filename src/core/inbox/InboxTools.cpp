#include "inbox/InboxTools.h"

#include "sites/Site.h"
#include "text/Fold.h"

#include "text/Encoding.h"
#include "text/Strings.h"
#include "text/UserText.h"

namespace postling {

const std::string& defaultSpamKeywords() {
    static const std::string text =
        // List 2.
        "low cost,pay,earn a degree,gift,business cards,in 24 hours,in 10 days,join now,any age,"
        "reward,surf faster,for the price,passionup,ultimate,financial,millionaire,huge,climax,fee,"
        "claim,won,paying too much,protect,matches,naughty,free,sex,bargain,deal,$,xxx,hosting,"
        "domain,nude,viagra,savings,credit,mortgage,no obligation,win,offer,snoring,exposed,"
        "make a fortune,diet,membership confirmation,find a date,meet someone,refinanc,"
        "graduate now,pay later,webcam,survive,gum disease,save up to,get paid,instant,quotes,"
        "your funds,money,claims,rates,cum,amateur,junk,spam,no charge,porn,guarant,bald,"
        "qualified,singles,earn your degree,foreclos,18+,psychic,cartridge,complimentary,"
        "final notice,as seen,lose weight,pop-up,at risk,call me, owe , owes ,aging,dating,"
        "special intro,it works,vitamin,adv:,arm yourself,spy,prescriptions,overpay,last chance,"
        "debt,approval,link2buy,secret,child support,promot,online,ads,no cost,watched,"
        // List 1.
        "college girl,dramatic results,perfect skin,work at home,work from home,dvd,grants for,"
        "in store,sold out,home loan,giveaway,best toy,surfing for,get a degree,save thou,"
        "your degree,hardcore,dirty,flirt,rate,an hour,buy now,virgin,cents,luxury,married,"
        "approved,increase your,trade,babes,bills,teen,hott,celeb,sucking,income,get paid,"
        "is yours,pic of the,penis,naked,clearance,men only,hot women,own business,herpes,"
        "read and respond,personal,off!,sale!,now!,!!,dollar,cash,slim,fast track,don't let,"
        "f r e e,f-r-e-e,cleanse,business opp,casino,cell phone,horny,wives,risque,earn,%,"
        "disclos,legal notice,afford,dental,financ,viag,v-i-a-g,lottery,crush,diploma,(none),"
        "[none],no subject,";
    return text;
}

std::vector<std::string> spamKeywordList(const std::string& text) {
    std::vector<std::string> keywords;
    std::size_t start = 0;
    for (auto comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        const std::string piece = text.substr(start, comma - start);
        if (!trimLeadingBlanks(piece).empty())
            keywords.push_back(piece);
        start = comma + 1;
    }
    return keywords;
}

std::string loadedSpamKeywords(const std::string* fileBytes) {
    std::string text;
    if (fileBytes) {
        const std::string utf8 = toUtf8(*fileBytes);
        std::size_t start = 0;
        while (start < utf8.size()) {
            auto end = utf8.find_first_of("\r\n", start);
            if (end == std::string::npos)
                end = utf8.size();
            text += utf8.substr(start, end - start) + "\r\n";
            if (end < utf8.size() && utf8[end] == '\r' && end + 1 < utf8.size() &&
                utf8[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
    }
    return text.size() < 3 ? defaultSpamKeywords() : text;
}

std::string spamKeywordFileText(const std::string& boxText) {
    return replaceAll(replaceAll(boxText, "\r\n", ","), "\n", ",") + "\r\n";
}

int nonEnglishCount(const std::string& utf8) {
    int count = 0;
    for (char32_t c : utf8ToCodePoints(utf8))
        if (windows1252Code(c) > 127)
            ++count;
    return count;
}

SpamResult checkSpam(const Site& site, const std::vector<InboxBox>& boxes,
                     const std::vector<std::string>& keywords, bool onlyUnread, bool nonEnglish) {
    SpamResult result;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const InboxBox& box = boxes[i];
        const std::string text = lowerText(box.rowText);
        std::string reason;
        for (const auto& keyword : keywords) {
            if (!contains(text, keyword))
                continue;
            // The first keyword found decides; a read message is left alone when only unread
            // ones are checked.
            if (!onlyUnread || site.isUnread(box)) {
                //: Why Check Spam ticked a message (its tooltip in the inbox).
                reason = withArgs(POSTLING_TR("InboxTools", "Check Spam: keyword '%1'"), {keyword});
                ++result.byKeyword;
            }
            break;
        }
        if (const int letters = nonEnglishCount(text);
            reason.empty() && nonEnglish && letters > 4) {
            reason = withArgs(POSTLING_TR("InboxTools", "Check Spam: %1 non-English letters"),
                              {std::to_string(letters)});
            ++result.nonEnglish;
        }
        if (!reason.empty()) {
            result.tick.push_back(static_cast<int>(i));
            result.reasons.push_back(reason);
        }
    }
    return result;
}

std::vector<int> checkUnread(const Site& site, const std::vector<InboxBox>& boxes, int limit) {
    std::vector<int> tick;
    int count = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!site.isUnread(boxes[i]))
            continue;
        tick.push_back(static_cast<int>(i));
        if (limit > 0 && ++count == limit)
            break;
    }
    return tick;
}

std::vector<int> checkGroup(const Site& site, const std::vector<InboxBox>& boxes) {
    std::vector<int> tick;
    bool inGroup = false;
    bool tickedSome = false;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!site.isMessageBox(boxes[i]))
            continue;
        if (!boxes[i].checked) {
            if (inGroup) {
                tick.push_back(static_cast<int>(i));
                tickedSome = true;
            }
        } else if (!inGroup) {
            inGroup = true;
        } else if (tickedSome) {
            inGroup = false;
        }
    }
    return tick;
}

std::vector<int> uncheckAll(const Site& site, const std::vector<InboxBox>& boxes) {
    std::vector<int> untick;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].checked && site.isMessageBox(boxes[i]))
            untick.push_back(static_cast<int>(i));
    return untick;
}

} // namespace postling
