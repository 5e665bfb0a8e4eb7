// The shared identity ledger against a PostgreSQL server of the test's own, through ODBC.
#include <gtest/gtest.h>

#include <map>
#include <thread>
#include <variant>

#include "database_ledger.h"
#include "identity_list.h"
#include "test_database.h"

namespace {

using cli::ClaimAnswer;
using cli::DatabaseLedger;
using cli::Fate;
using cli::Identity;

testing_support::TestDatabase& server() {
    static testing_support::TestDatabase database(QUMAT_TEST_DATABASE_DIR "/ledger");
    return database;
}

cli::IdentityList listOf(std::vector<cli::IdentityRow> rows) {
    return {.rows = std::move(rows), .bySerial = false};
}

const cli::IdentityList kList =
    listOf({{.line = 2, .deviceId = "B1", .officerId = "201", .serialNumber = {}},
            {.line = 3, .deviceId = "B2", .officerId = "202", .serialNumber = {}},
            {.line = 4, .deviceId = "B3", .officerId = "203", .serialNumber = {}}});

class DatabaseLedgerTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!server().missing().empty()) {
            GTEST_SKIP() << server().missing();
        }
        connection = server().freshDatabase();
        ASSERT_EQ(ledger.open(connection), "");
        ASSERT_EQ(ledger.load(kList), std::vector<std::string>());
    }

    std::string connection;
    DatabaseLedger ledger;
};

Identity identity(int number) {
    return {.deviceId = "B" + std::to_string(number), .officerId = "20" + std::to_string(number)};
}

// Each step of an identity's way through the ledger, and what a second workstation sees of it.
TEST_F(DatabaseLedgerTest, ClaimsSettlementsAndReleasesAsEveryWorkstationSeesThem) {
    DatabaseLedger other;
    ASSERT_EQ(other.open(connection), "");
    enum class Step { claim, settleGiven, settleReleased, settleInDoubt, release };
    struct Case {
        Step step;
        int number;
        std::string serialNumber;
        // The claim's kind, or the failure's start ("" when none).
        std::variant<ClaimAnswer::Kind, std::string> answer;
        bool takenAfter;
    };
    const Case cases[] = {
        {Step::claim, 1, "SN1", ClaimAnswer::Kind::claimed, true},
        {Step::claim, 1, "SN2", ClaimAnswer::Kind::taken, true},
        // A camera without a serial number never claims what is claimed already.
        {Step::claim, 1, "", ClaimAnswer::Kind::taken, true},
        {Step::claim, 1, "SN1", ClaimAnswer::Kind::claimed, true},
        {Step::release, 1, "SN2", std::string("the identity B1 is not in doubt with SN2"), true},
        {Step::settleGiven, 1, "SN1", std::string(), true},
        {Step::release, 1, "SN1", std::string("the identity B1 is not in doubt with SN1"), true},
        {Step::claim, 2, "SN2", ClaimAnswer::Kind::claimed, true},
        {Step::settleReleased, 2, "SN2", std::string(), false},
        {Step::settleGiven, 2, "SN2", std::string("the identity B2 is not claimed with SN2"),
         false},
        {Step::claim, 2, "SN3", ClaimAnswer::Kind::claimed, true},
        {Step::settleInDoubt, 2, "SN3", std::string(), true},
        {Step::claim, 2, "SN4", ClaimAnswer::Kind::taken, true},
        {Step::release, 2, "SN3", std::string(), false},
        {Step::claim, 3, "", ClaimAnswer::Kind::claimed, true},
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(step.serialNumber + " " + std::to_string(step.number));
        const auto id = identity(step.number);
        const cli::CameraResult result{.result = "ok", .differing = {"network"}};
        if (step.step == Step::claim) {
            const auto answer = ledger.claim(id, step.serialNumber);
            EXPECT_EQ(answer.kind, std::get<ClaimAnswer::Kind>(step.answer)) << answer.failure;
        } else {
            const auto failure =
                step.step == Step::release
                    ? ledger.release(id, step.serialNumber)
                    : ledger.settle(id, step.serialNumber,
                                    step.step == Step::settleGiven      ? Fate::given
                                    : step.step == Step::settleReleased ? Fate::released
                                                                        : Fate::inDoubt,
                                    result);
            EXPECT_EQ(failure, std::get<std::string>(step.answer));
        }
        EXPECT_EQ(other.isTaken(id.deviceId), step.takenAfter);
    }
    const auto holding = other.holdingOf("SN1");
    ASSERT_TRUE(holding.has_value());
    EXPECT_EQ(holding->claim.identity, identity(1));
    EXPECT_FALSE(holding->inDoubt);
    EXPECT_FALSE(other.holdingOf("SN3").has_value());
    const auto summary = other.summary();
    ASSERT_EQ(summary.given.size(), 1u);
    ASSERT_EQ(summary.inDoubt.size(), 1u);
    EXPECT_EQ(summary.inDoubt.front().identity, identity(3));
    EXPECT_FALSE(summary.inDoubt.front().workstation.empty());
    EXPECT_EQ(summary.failed, 1u);
    EXPECT_EQ(other.lookFailure(), "");
}

// Four workstations claiming every identity at once, each from a different row: each identity is
// claimed once.
TEST_F(DatabaseLedgerTest, ConcurrentClaimsGetEachIdentityOnce) {
    constexpr int kWorkstations = 4;
    constexpr int kIdentities = 40;
    cli::IdentityList list;
    for (int row = 0; row < kIdentities; ++row) {
        list.rows.push_back({.line = std::size_t(row + 2),
                             .deviceId = "C" + std::to_string(row),
                             .officerId = "30" + std::to_string(row),
                             .serialNumber = {}});
    }
    ASSERT_EQ(ledger.load(list), std::vector<std::string>());
    std::vector<std::map<std::string, ClaimAnswer::Kind>> answers(kWorkstations);
    std::vector<std::thread> workstations;
    for (int bench = 0; bench < kWorkstations; ++bench) {
        workstations.emplace_back([&, bench] {
            DatabaseLedger own;
            ASSERT_EQ(own.open(connection), "");
            for (int at = 0; at < kIdentities; ++at) {
                const auto& row =
                    list.rows[(at + bench * kIdentities / kWorkstations) % kIdentities];
                answers[bench][row.deviceId] =
                    own.claim({.deviceId = row.deviceId, .officerId = row.officerId},
                              "SN" + std::to_string(bench))
                        .kind;
            }
        });
    }
    for (auto& workstation : workstations) {
        workstation.join();
    }
    for (const auto& row : list.rows) {
        int claimed = 0;
        for (const auto& answer : answers) {
            EXPECT_NE(answer.at(row.deviceId), ClaimAnswer::Kind::failed);
            claimed += answer.at(row.deviceId) == ClaimAnswer::Kind::claimed ? 1 : 0;
        }
        EXPECT_EQ(claimed, 1) << row.deviceId;
    }
}

// A list is added once: the same rows again change nothing, rows that differ are refused by their
// lines and add nothing, and the order of the first list stays.
TEST_F(DatabaseLedgerTest, AddsAListOnceAndRefusesOneThatDiffers) {
    struct Case {
        cli::IdentityList list;
        std::vector<std::string> refusals;
    };
    const Case cases[] = {
        {kList, {}},
        {listOf({{.line = 7, .deviceId = "B3", .officerId = "203", .serialNumber = {}},
                 {.line = 8, .deviceId = "B4", .officerId = "204", .serialNumber = {}}}),
         {}},
        {listOf({{.line = 2, .deviceId = "B1", .officerId = "299", .serialNumber = {}},
                 {.line = 3, .deviceId = "B9", .officerId = "202", .serialNumber = {}},
                 {.line = 4, .deviceId = "B8", .officerId = "208", .serialNumber = {}}}),
         {"line 2: the ledger has device ID B1 with officer ID 201",
          "line 3: the ledger has officer ID 202 with device ID B2"}},
        {{.rows = {{.line = 2, .deviceId = "B5", .officerId = "205", .serialNumber = "SN5"}},
          .bySerial = true},
         {"the ledger matches identities by order, this list has an identity.serial_number "
          "column"}},
    };
    for (const auto& step : cases) {
        EXPECT_EQ(ledger.load(step.list), step.refusals);
    }
    const auto list = std::get<cli::IdentityList>(ledger.identities());
    std::vector<std::string> deviceIds;
    for (const auto& row : list.rows) {
        deviceIds.push_back(row.deviceId + "@" + std::to_string(row.line));
    }
    EXPECT_EQ(deviceIds, (std::vector<std::string>{"B1@2", "B2@3", "B3@4", "B4@8"}));
}

// A connection lost between a claim and its outcome: the outcome fails, looks say so instead of
// answering free, and the identity stays in doubt with its camera for every workstation.
TEST_F(DatabaseLedgerTest, LostConnectionLeavesTheClaimInDoubt) {
    ASSERT_EQ(ledger.claim(identity(1), "SN1").kind, ClaimAnswer::Kind::claimed);
    server().dropConnections(connection);
    EXPECT_NE(ledger.settle(identity(1), "SN1", Fate::given, {.result = "ok", .differing = {}}),
              "");
    EXPECT_TRUE(ledger.isTaken("B2"));
    EXPECT_NE(ledger.lookFailure(), "");
    EXPECT_EQ(ledger.claim(identity(2), "SN2").kind, ClaimAnswer::Kind::failed);

    DatabaseLedger after;
    ASSERT_EQ(after.open(connection), "");
    const auto holding = after.holdingOf("SN1");
    ASSERT_TRUE(holding.has_value());
    EXPECT_TRUE(holding->inDoubt);
    EXPECT_FALSE(after.isTaken("B2"));
}

}  // namespace
