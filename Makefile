# The two commands of the README. Each installs what a fresh Debian machine lacks for it: the
# demo's packages, or for the tests everything (scripts/install-deps).
SIMULATOR := build/Voranth
DEMO_LOG   := $(SIMULATOR)/Zephyrin_Log.txt
DEMO_SOUND := build/demo.wav
DEMO_TRACE := build/demo-trace.tsv
DEMO_TIMELINE := build/demo-timeline.svg

.PHONY: test demo deps configure build

DEPS := test
demo: DEPS := demo

deps:
	@scripts/install-deps $(DEPS)

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

test: build
	@ctest --preset default

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
