# Postling: `make run` starts the demo, `make test` runs every test. Both install what they need.
SHELL := /bin/bash
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo

DEB_PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-webengine-dev libgtest-dev \
	libgmock-dev libbenchmark-dev libcpp-httplib-dev libsqlite3-dev libgmime-3.0-dev xvfb xauth \
	fonts-dejavu-core fonts-liberation qt6-qpa-plugins \
	qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
	xdg-utils desktop-file-utils appstream man-db dpkg-dev file

.PHONY: all deps deps-roundcube build test faults run run-roundcube run-other bench fuzz format \
	package \
	translations clean

all: build

deps:
	@scripts/deps.sh $(DEB_PACKAGES)

# The real Roundcube (with Dovecot and Postfix) that the tests and `make run-roundcube` start.
deps-roundcube:
	@tools/roundcube-kit/deps.sh

# The build's own chatter goes to a log; an error shows it in full.
build: deps
	@scripts/build.sh $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

# Every test; with SANITIZE=1 the whole suite runs again under ASan and UBSan.
test: build deps-roundcube
	@scripts/test.sh $(BUILD)
ifeq ($(SANITIZE),1)
	@scripts/build.sh $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPOSTLING_SANITIZE=ON
	@scripts/test.sh $(ASAN_BUILD)
endif

run: build
	@scripts/run.sh $(BUILD)

# The same against a real Roundcube on this machine.
run-roundcube: build deps-roundcube
	@scripts/run.sh $(BUILD) --roundcube

# The same on a webmail Postling has no profile for, read by what its pages mean.
run-other: build
	@scripts/run.sh $(BUILD) --other

# A Debian package of the installed program: build/postling_<version>_<arch>.deb.
package: build
	@cd $(BUILD) && cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@ls $(BUILD)/postling_*.deb

bench: build
	@scripts/bench.sh $(BUILD)

# The fault matrix (as root, in a mount namespace of its own), printed as a table.
faults: build deps-roundcube
	@scripts/faults.sh $(BUILD)

# Each fuzz target for FUZZ_SECONDS, built with clang and libFuzzer in build-fuzz; what reaches
# new code joins fuzz/corpus, which `make test` replays with the ordinary build.
FUZZ_SECONDS ?= 60
FUZZ_BUILD ?= build-fuzz
fuzz:
	@scripts/deps.sh $(DEB_PACKAGES) clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DPOSTLING_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# translations/postling_<language>.ts in step with the sources: new texts added untranslated,
# texts gone from the sources dropped. The build compiles them into the program.
translations: build
	@cmake --build $(BUILD) --target update_translations > $(BUILD)/lupdate.log 2>&1 || \
		{ cat $(BUILD)/lupdate.log; exit 1; }
	@grep -E "^Updating|Found" $(BUILD)/lupdate.log

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
