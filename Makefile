# The two commands of the README. Each installs what a fresh Debian machine lacks for it: the
# demo's packages, or for the tests everything (scripts/install-deps).
SIMULATOR := build/Voranth
DEMO_LOG   := $(SIMULATOR)/Zephyrin_Log.txt
DEMO_SOUND := build/demo.wav
DEMO_TRACE := build/demo-trace.tsv
DEMO_TIMELINE := build/demo-timeline.svg

.PHONY: test demo deps configure build sanitize fuzz soak

DEPS := test
demo: DEPS := demo

deps:
	@scripts/install-deps $(DEPS)

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

test: build sanitize
	@ctest --preset default
	@ctest --preset sanitize

# The same tree under AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/); make
# test runs the plug-in, platform and host tests, the fuzz corpora and the short soak in it.
sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize

# Every parser of outside input under libFuzzer, FUZZ_SECONDS each (build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# The long soak, in the sanitizer tree: 60 add-on vessels, 40 window opens a flight, every stock sound
# file missing, cut short or noise in turn.
soak: sanitize
	@tests/soak/soak.sh build-sanitize/Voranth build-sanitize/soak-long long

demo: build
	@$(SIMULATOR)/vrhost --scenario $(SIMULATOR)/Scenarios/demo.vrs \
		--record $(DEMO_SOUND) --trace $(DEMO_TRACE)
	@$(SIMULATOR)/trace_timeline --trace $(DEMO_TRACE) \
		--scenario $(SIMULATOR)/Scenarios/demo.vrs --svg $(DEMO_TIMELINE) >/dev/null
	@echo
	@echo "demo: what it heard      $(DEMO_SOUND)"
	@echo "demo: why it heard it    $(DEMO_TRACE)"
	@echo "demo: what played when   $(DEMO_TIMELINE) (open it in a browser)"
	@echo "demo: plug-in log        $(DEMO_LOG)"
	@echo "demo: simulator tree     $(SIMULATOR)/"
